#pragma once
// A person of the names list written into the fields of a data set, as a
// click in the names list writes the input window's boxes: the hour by the
// hour box's 12-hour rule, the zone after East or West.
#include <string>

#include "people/input_fields.h"
#include "people/name_record.h"

void FillPersonFields(DataSetFields& f, const NameRecordValues& v, const std::string& email);
