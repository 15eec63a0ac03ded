#!/bin/bash
# SPDX-License-Identifier: MIT
# Cross-builds the 64-bit Windows release, build/chess-checkers-<version>-win64.zip and its
# installer build/chess-checkers-<version>-win64-setup.exe (NSIS), with Debian's
# mingw-w64 and freeglut built as a static library from Debian's own freeglut source package. The
# freeglut build stays in build/windows, so that a second run does not redo it. The packages and
# the deb-src entry that `apt-get source` needs come from `install-deps.sh windows`.
# Usage: windows.sh (SOURCE_DATE_EPOCH sets the times inside the zip; JOBS the build's jobs)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
out=$top/build/windows
toolchain=$top/cmake/mingw-w64-x86_64.cmake
version=$(scripts/version.sh)
jobs=${JOBS:-2}

freeglut=$out/freeglut
if [ ! -e "$freeglut/lib/cmake/FreeGLUT/FreeGLUTConfig.cmake" ]; then
    rm -rf "$out/freeglut-source" "$out/freeglut-build"
    mkdir -p "$out/freeglut-source"
    # The upstream archive of Debian's source package is all a static Windows build needs: Debian's
    # own patch only sets the Linux library's soname.
    (cd "$out/freeglut-source" && apt-get source -q --tar-only freeglut)
    tar -xf "$out"/freeglut-source/freeglut_*.orig.tar.* -C "$out/freeglut-source"
    src=$(find "$out/freeglut-source" -mindepth 1 -maxdepth 1 -type d -name 'freeglut-*')
    # No path of this machine in what is built.
    cmake -S "$src" -B "$out/freeglut-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$freeglut" \
        -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON \
        -DFREEGLUT_BUILD_DEMOS=OFF -DCMAKE_C_FLAGS="-ffile-prefix-map=$src=freeglut"
    cmake --build "$out/freeglut-build" -j "$jobs"
    cmake --install "$out/freeglut-build"
fi

cmake -S . -B "$out/program" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$freeglut" -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$top=."
cmake --build "$out/program" -j "$jobs"

name=chess-checkers-$version-win64
rm -rf "$out/stage"
cmake --install "$out/program" --prefix "$out/stage/$name"
scripts/zip-release.sh "$out/stage/$name" "build/$name.zip"

# The installer holds the same files, with the same times.
setup=$top/build/$name-setup.exe
makensis -V2 -DSTAGE="$out/stage/$name" -DOUTFILE="$setup" "$out/program/windows/chess-checkers.nsi"
echo "$setup"
