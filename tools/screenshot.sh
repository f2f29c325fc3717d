#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Zyklora on a virtual screen, presses Enter (OK for the preset 10 words) and saves a
# picture of the window's client area. Usage: tools/screenshot.sh APP_FOLDER OUTPUT.png
set -euo pipefail

if [ "${1:-}" != "--on-screen" ]; then
    app_dir=$(cd "$1" && pwd)
    output=$(realpath -m "$2")
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" --on-screen "$app_dir" "$output"
fi

app_dir=$2
output=$3
cd "$app_dir"
./zyklora &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    xdotool search --name '^Zyklora$' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1
xdotool key Return
sleep 1
# Without a window manager the client area stands at its designed place, (192, 124).
import -window root -crop 1244x812+192+124 +repage "$output"
echo "wrote $output"
