#!/usr/bin/env bash
# The shared channel library must export the six VCI functions and nothing else.
set -euo pipefail
expected=$'VCI_ClearBuffer\nVCI_CloseDevice\nVCI_GetReceiveNum\nVCI_OpenDevice\nVCI_ReadDevice\n_VCI_WriteDevice'
actual=$(nm -D --defined-only "$1" | awk '{print $3}' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    printf 'exported symbols differ.\nexpected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi
