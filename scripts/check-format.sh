#!/bin/bash
# SPDX-License-Identifier: MIT
# Fails when clang-format would change a C++ or JavaScript source that git tracks (in an unpacked source
# release: any outside build/). The layout is settled with clang-format 14 (Debian 12); later
# versions have agreed with it so far. When the check cannot be made (no clang-format, or another
# version that lays the code out otherwise) it fails, saying why, unless the caller passes
# --skip-if-unable.
# Usage: check-format.sh [--skip-if-unable]
set -euo pipefail
cd "$(dirname "$0")/.."
skip=no
[ "${1:-}" = --skip-if-unable ] && skip=yes

cannot() {
    echo "check-format: cannot check the layout: $1" >&2
    if [ "$skip" = yes ]; then
        echo "check-format: skipped, as asked" >&2
        exit 0
    fi
    exit 1
}

command -v clang-format >/dev/null || cannot "clang-format is not installed"
major=$(clang-format --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
# The list goes through a file: a failure of git or find ends the script here, which it would not
# inside a process substitution.
listing=$(mktemp)
if [ -e .git ]; then
    git ls-files -z '*.cpp' '*.h' '*.js' >"$listing"
else
    find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' -o -name '*.js' \) -print0 >"$listing"
fi
mapfile -d '' files <"$listing"
rm -f "$listing"
# With no file at all, clang-format would read standard input and pass.
if [ "${#files[@]}" -eq 0 ]; then
    echo "check-format: found no source to check" >&2
    exit 1
fi
if [ "$major" = 14 ]; then
    exec clang-format --dry-run --Werror "${files[@]}"
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
    cannot "clang-format $major lays these out otherwise; the reference is clang-format 14"
fi
