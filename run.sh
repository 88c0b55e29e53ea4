#!/usr/bin/env bash
# Installs what is missing, builds the program and its atlas helper (not the
# tests and benchmarks), and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh tandrell ATLAS.EXE
exec build/tandrell "$@"
