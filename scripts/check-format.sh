#!/bin/bash
# SPDX-License-Identifier: MIT
# Fails when clang-format would change a C++ source that git tracks (in an unpacked source
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
if [ -e .git ]; then
    mapfile -d '' files < <(git ls-files -z '*.cpp' '*.h')
else
    mapfile -d '' files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
if [ "$major" = 14 ]; then
    exec clang-format --dry-run --Werror "${files[@]}"
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
    cannot "clang-format $major lays these out otherwise; the reference is clang-format 14"
fi
