#!/usr/bin/env bash
# Fails when a C++ file of the project does not follow .clang-format.
set -euo pipefail
cd "$1"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 "$2" --dry-run --Werror
