#!/bin/bash
# SPDX-License-Identifier: MIT
# Builds the web page with Debian's Emscripten: build/web/ (index.html, its .js and .wasm, script,
# style and icon) and build/chess-checkers-<version>-web.zip. The packages come from
# `install-deps.sh web`.
# Usage: web.sh (SOURCE_DATE_EPOCH sets the times inside the zip; JOBS the build's jobs)
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(scripts/version.sh)
# Debian's Emscripten finds the Node.js modules it needs there, whichever node runs it.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Its library cache is the system's; a user who cannot write there gets one in build/.
if [ -z "${EM_CACHE:-}" ] && [ ! -w "$(em-config CACHE)" ]; then
    export EM_CACHE=$PWD/build/emscripten-cache
fi
emcmake cmake -S . -B build/web-build -DCMAKE_BUILD_TYPE=MinSizeRel
cmake --build build/web-build -j "${JOBS:-2}"
name=chess-checkers-$version-web
rm -rf build/web build/web-stage
cmake --install build/web-build --prefix build/web
cmake --install build/web-build --prefix "build/web-stage/$name"
scripts/zip-release.sh "build/web-stage/$name" "build/$name.zip"
