#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source file starts with the SPDX identifier of the project's licence.
set -euo pipefail
cd "$1"
folders=()
for folder in lib gray app cli tests bench tools web; do
    [ -d "$folder" ] && folders+=("$folder")
done
checked=0
missing=0
while IFS= read -r -d '' file; do
    checked=$((checked + 1))
    if [ "$(head -n 1 "$file")" != "// SPDX-License-Identifier: GPL-3.0-or-later" ]; then
        echo "no SPDX line first: $file"
        missing=$((missing + 1))
    fi
done < <(find "${folders[@]}" \( -name '*.cpp' -o -name '*.h' \) -print0)
[ "$checked" -gt 0 ] || { echo "no source files found" >&2; exit 1; }
echo "$((checked - missing)) passed, $missing failed"
[ "$missing" -eq 0 ]
