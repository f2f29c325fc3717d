#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the current build with cpack and checks it as Debian would:
# lintian without errors, warnings or unexplained info tags; programs hardened as hardening-check
# asks; the AppStream entry together with its desktop entry; manual pages that groff renders
# without warnings; one version in the package, its changelog and its AppStream entry; and
# exactly the files `cmake --install` puts.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/cpack" >/dev/null
debs=("$work"/cpack/*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "cpack built no package"

# Info tags count too; those in the package's lintian overrides carry their reason there.
lintian --display-info --fail-on error,warning,info "$deb" || fail "lintian reports the tags above"

root=$work/root
dpkg-deb -x "$deb" "$root"
# No network here: --no-net skips fetching the screenshot and home page.
appstreamcli validate-tree --pedantic --no-net "$root" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "AppStream entry not valid"; }

# Built as Debian builds packages: PIE, stack protector, fortified libc calls, read-only
# relocations bound at start-up. Debian 12's dpkg-buildflags does not ask for control-flow
# protection on any architecture, so neither does this check.
for program in "$root"/usr/bin/*; do
    hardening-check --quiet --nocfprotection "$program" || fail "$program is not hardened"
done

for page in man1/zyklora.1 man1/zyklora-tree.1 man1/zyklora-disk.1 de/man1/zyklora.1 \
    de/man1/zyklora-tree.1 de/man1/zyklora-disk.1; do
    [ -f "$root/usr/share/man/$page.gz" ] || fail "manual page $page missing"
    warnings=$(zcat "$root/usr/share/man/$page.gz" | groff -ww -z -man 2>&1)
    [ -z "$warnings" ] || fail "groff warns on $page: $warnings"
done

version=$(dpkg-deb -f "$deb" Version)
changelog=$(zcat "$root/usr/share/doc/zyklora/changelog.gz" | head -n 1)
[[ $changelog == "zyklora ($version) "* ]] || fail "changelog starts with '$changelog', not $version"
grep -q "<release version=\"$version\"" "$root"/usr/share/metainfo/*.metainfo.xml ||
    fail "no AppStream release $version"

cmake --install "$build_dir" --prefix "$work/install/usr" >/dev/null
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$work/packaged"
(cd "$work/install" && find . ! -type d | sed 's|^\./||' | sort) >"$work/installed"
diff "$work/packaged" "$work/installed" || fail "package and cmake --install differ (< package)"
echo "1 passed, 0 failed"
