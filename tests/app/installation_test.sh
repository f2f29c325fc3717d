#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a desktop needs: the programs, the
# help file with its pages and contents, a valid menu entry whose Path holds the help file, and the icon.
set -euo pipefail
build_dir=$1
app_id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
fail() { echo "FAILED: $*" >&2; exit 1; }

for program in zyklora zyklora-tree; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program missing"
done
help="$prefix/share/zyklora/zyklora.chm"
pages=$(enum_chmLib "$help")
for page in index.html zyklisch.html entstehung.html ablesen.html warum.html ueben.html bedienung.html; do
    grep -q "/$page\$" <<<"$pages" || fail "$page missing from the help file"
done
# The viewer shows the contents' names as Windows-1252 text and decodes no HTML entities in them.
extract_chmLib "$help" "$prefix/help" >/dev/null
names=$(iconv -f WINDOWS-1252 -t UTF-8 "$prefix/help/toc.hhc" | grep -o 'name="Name" value="[^"]*"')
for name in "Zyklische Codes beliebiger Länge" "Üben"; do
    grep -qF "value=\"$name\"" <<<"$names" || fail "contents lack \"$name\""
done
! grep -q '&' <<<"$names" || fail "an HTML entity in the contents' names"
entry="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$entry" || fail "desktop entry not valid"
grep -qx "Path=$prefix/share/zyklora" "$entry" || fail "Path= does not name the help folder"
grep -qx "Exec=$prefix/bin/zyklora" "$entry" || fail "Exec= does not name the program"
[ -s "$prefix/share/icons/hicolor/scalable/apps/zyklora.svg" ] || fail "icon missing"
echo "1 passed, 0 failed"
