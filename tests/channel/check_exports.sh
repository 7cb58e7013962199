#!/usr/bin/env bash
# The file (the shared channel library, or an executable that offers the channel layer) must
# export the six VCI functions and nothing else of its own. Versioned names are copies of shared
# libraries' data that an executable has to carry for them, not its own.
set -euo pipefail
expected=$'VCI_ClearBuffer\nVCI_CloseDevice\nVCI_GetReceiveNum\nVCI_OpenDevice\nVCI_ReadDevice\n_VCI_WriteDevice'
actual=$(nm -D --defined-only "$1" | awk '$3 !~ /@/ {print $3}' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    printf 'exported symbols differ.\nexpected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi
