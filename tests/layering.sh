#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each room includes only itself and the rooms beneath it; lists every include that reaches up
# and fails when there is one. Usage: layering.sh <project root>
set -euo pipefail
cd "$1"

# room: the rooms its files may include
declare -A allowed=(
    [lib]="lib"
    [io]="lib io"
    [draw]="lib draw"
    [gray]="lib gray"
    [lesson]="lib draw gray lesson"
    [maker]="lib draw gray maker"
    [cli]="lib io gray maker cli"
    [web]="lib draw gray lesson maker web"
    [app/platform]="lib draw app/platform"
    [app]="lib io draw gray lesson maker app app/platform"
)

status=0
for room in "${!allowed[@]}"; do
    for file in $(find "$room" -maxdepth 1 -name '*.h' -o -maxdepth 1 -name '*.cpp'); do
        while IFS= read -r included; do
            target=${included%/*}
            ok=no
            for permitted in ${allowed[$room]}; do
                [[ $target == "$permitted" ]] && ok=yes
            done
            if [[ $ok == no ]]; then
                echo "$file includes $included, a room above $room"
                status=1
            fi
        done < <(sed -n 's/^#include "\(.*\)"$/\1/p' "$file")
    done
done
exit $status
