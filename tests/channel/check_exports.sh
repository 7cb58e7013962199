#!/usr/bin/env bash
# The file (the shared channel library, or an executable that offers the channel layer) must
# export the six VCI functions and nothing else of its own. Data of shared libraries that an
# executable uses directly is copied into it and exported for them (copy relocations): not its own.
set -euo pipefail
expected=$'VCI_ClearBuffer\nVCI_CloseDevice\nVCI_GetReceiveNum\nVCI_OpenDevice\nVCI_ReadDevice\n_VCI_WriteDevice'
copies=$(readelf -rW "$1" | awk '$3 ~ /_COPY$/ {print $5}')
actual=$(nm -D --defined-only "$1" | awk '{print $3}' | grep -vxF -e "$copies" -e '' |
    LC_ALL=C sort || true)
if [ "$actual" != "$expected" ]; then
    printf 'exported symbols differ.\nexpected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi
