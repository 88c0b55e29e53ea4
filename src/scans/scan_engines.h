#pragma once
// The engines the scans call: the cosmodynes of chart A alone and those of
// chart A against chart B.
#include "cosmodynes/interchart_cosmodynes.h"
#include "cosmodynes/natal_cosmodynes.h"
