#!/bin/bash
# SPDX-License-Identifier: MIT
# Judges the built .deb with Debian's own tools: lintian (no error, no warning, no hardening
# tag), desktop-file-validate on its desktop entry and appstreamcli on its metainfo.
# Usage: package-check.sh build/package
set -euo pipefail
shopt -s nullglob
for tool in lintian desktop-file-validate appstreamcli dpkg; do
    command -v "$tool" >/dev/null || { echo "package-check: $tool is missing" >&2; exit 1; }
done
debs=("$1"/chess-checkers_*.deb)
if [ "${#debs[@]}" -ne 1 ]; then
    echo "package-check: expected one chess-checkers .deb in $1, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0

echo "lintian $deb"
# lintian ends with 1 when it reports errors, judged below with the warnings; any other failure
# means it checked nothing.
status=0
lintian --display-info --tag-display-limit 0 "$deb" >"$root/lintian" 2>&1 || status=$?
cat "$root/lintian"
if [ "$status" -gt 1 ]; then
    echo "package-check: lintian failed (status $status) and checked nothing" >&2
    failed=1
fi
if grep -E '^(E|W): |hardening-' "$root/lintian" >/dev/null; then
    echo "package-check: lintian reports errors, warnings or hardening tags" >&2
    failed=1
fi

dpkg -x "$deb" "$root/tree"
entries=("$root"/tree/usr/share/applications/*.desktop)
[ "${#entries[@]}" -gt 0 ] || { echo "package-check: no desktop entry" >&2; failed=1; }
for entry in "${entries[@]}"; do
    echo "desktop-file-validate ${entry#"$root/tree"}"
    desktop-file-validate "$entry" || failed=1
done
echo "appstreamcli validate-tree"
# --explain off, --pedantic off: infos pass, warnings and errors fail.
appstreamcli validate-tree --no-net "$root/tree" || failed=1
exit "$failed"
