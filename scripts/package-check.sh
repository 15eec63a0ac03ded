#!/bin/sh
# SPDX-License-Identifier: MIT
# Judges the built .deb with Debian's own tools: lintian (no error, no warning, no hardening
# tag), desktop-file-validate on its desktop entry and appstreamcli on its metainfo.
# Usage: package-check.sh build/package
set -e
deb=$(ls "$1"/chess-checkers_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0

echo "lintian $deb"
lintian --display-info --tag-display-limit 0 "$deb" >"$root/lintian" 2>&1 || true
cat "$root/lintian"
if grep -E '^(E|W): |hardening-' "$root/lintian" >/dev/null; then
    echo "package-check: lintian reports errors, warnings or hardening tags" >&2
    failed=1
fi

dpkg -x "$deb" "$root/tree"
for entry in "$root"/tree/usr/share/applications/*.desktop; do
    echo "desktop-file-validate ${entry#"$root/tree"}"
    desktop-file-validate "$entry" || failed=1
done
echo "appstreamcli validate-tree"
# --explain off, --pedantic off: infos pass, warnings and errors fail.
appstreamcli validate-tree --no-net "$root/tree" || failed=1
exit $failed
