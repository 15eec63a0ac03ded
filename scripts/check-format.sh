#!/bin/sh
# Fails when clang-format would change any tracked or new C++ source.
cd "$(dirname "$0")/.."
files=$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
clang-format --dry-run --Werror $files
