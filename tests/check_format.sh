#!/usr/bin/env bash
# Every C++ source follows the repository's .clang-format.
set -euo pipefail
cd "$1"
git ls-files '*.h' '*.cpp' 2>/dev/null | xargs -r clang-format --dry-run --Werror
