#!/bin/sh
# SPDX-License-Identifier: MIT
# Prints the program's version, which project() in CMakeLists.txt alone holds.
sed -n '/^project/s/.* VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt"
