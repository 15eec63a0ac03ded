#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the Debian packages that a target needs, only those missing.
# Usage: install-deps.sh run|package|check|test
#   run: build and play; package: also build the .deb; check: also judge it (lintian,
#   desktop-file-validate, appstreamcli); test: everything, with the test and benchmark tools.
# With CXX naming clang, clang is installed too, with the sanitizer runtime of its version.
set -e
run_pkgs="cmake make g++ freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri libx11-dev
    libxrandr-dev libxinerama-dev librsvg2-bin netpbm"
package_pkgs="dpkg-dev file"
check_pkgs="lintian desktop-file-utils appstream"
test_pkgs="libgtest-dev libbenchmark-dev xvfb xauth xdotool openbox clang-format"
case "$1" in
run) wanted="$run_pkgs" ;;
package) wanted="$run_pkgs $package_pkgs" ;;
check) wanted="$run_pkgs $package_pkgs $check_pkgs" ;;
*) wanted="$run_pkgs $package_pkgs $check_pkgs $test_pkgs" ;;
esac

install_missing() {
    missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then
        as_root=""
    elif command -v sudo >/dev/null; then
        as_root="sudo"
    else
        echo "missing packages:$missing; run as root, install sudo, or install them by hand" >&2
        exit 1
    fi
    # Waits for another apt or dpkg run to finish instead of failing on its lock.
    apt="$as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600"
    $apt update -q
    $apt install -y -q --no-install-recommends $missing
}

# shellcheck disable=SC2086
install_missing $wanted
case "${CXX:-}" in
*clang*)
    install_missing clang
    major=$(${CXX%% *} --version | sed -n 's/.*clang version \([0-9]*\)\..*/\1/p')
    install_missing "libclang-rt-$major-dev"
    ;;
esac
