#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that a target needs, only those missing.
# Usage: install-deps.sh run|package|check|test
#   run: build and play; package: also build the .deb; check: also judge it (lintian,
#   desktop-file-validate, appstreamcli); test: everything, with the test and benchmark tools.
# With CXX naming clang, clang is installed too, with the sanitizer runtime of its version.
set -euo pipefail
run_pkgs=(cmake make g++ freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri libx11-dev
    libxrandr-dev libxinerama-dev librsvg2-bin netpbm)
package_pkgs=(dpkg-dev file)
check_pkgs=(lintian desktop-file-utils appstream)
test_pkgs=(libgtest-dev libbenchmark-dev xvfb xauth xdotool openbox clang-format)
case "${1:-test}" in
run) wanted=("${run_pkgs[@]}") ;;
package) wanted=("${run_pkgs[@]}" "${package_pkgs[@]}") ;;
check) wanted=("${run_pkgs[@]}" "${package_pkgs[@]}" "${check_pkgs[@]}") ;;
*) wanted=("${run_pkgs[@]}" "${package_pkgs[@]}" "${check_pkgs[@]}" "${test_pkgs[@]}") ;;
esac

# apt-get as root: directly when root, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
        echo "missing packages: ${missing[*]}; run as root, install sudo, or install them by hand" >&2
        exit 1
    fi
    # Waits for another apt or dpkg run to finish instead of failing on its lock.
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
    as_root "${apt[@]}" update -q
    as_root "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
}

install_missing "${wanted[@]}"
case "${CXX:-}" in
*clang*)
    install_missing clang
    compiler=${CXX%% *}
    major=$("$compiler" --version | sed -n 's/.*clang version \([0-9]*\)\..*/\1/p')
    install_missing "libclang-rt-$major-dev"
    ;;
esac
