#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that a target needs, only those missing.
# Usage: install-deps.sh run|package|check|test|windows|web
#   run: build and play; package: also build the .deb; check: also judge it (lintian,
#   desktop-file-validate, appstreamcli); test: everything, with the test and benchmark tools;
#   windows: all that and the Windows cross-build with its test under Wine, and a deb-src entry of
#   the project's own for freeglut's source where the system has none; web: the tests' packages,
#   Emscripten, and the browsers (Chromium, Firefox, WebKit's MiniBrowser and driver) and local
#   web server that test and serve the page.
# With CXX naming clang, clang is installed too, with the sanitizer runtime of its version.
set -euo pipefail
run_pkgs=(cmake make g++ freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri libx11-dev
    libxrandr-dev libxinerama-dev libxi-dev librsvg2-bin netpbm)
package_pkgs=(dpkg-dev file)
check_pkgs=(lintian desktop-file-utils appstream)
test_pkgs=(libgtest-dev libbenchmark-dev xvfb xauth xdotool openbox clang-format x11-apps
    nlohmann-json3-dev libcurl4-openssl-dev)
windows_pkgs=(g++-mingw-w64-x86-64-posix wine wine64 zip icoutils nsis)
web_pkgs=(emscripten chromium firefox-esr webkit2gtk-driver python3 python3-websocket zip)
case "${1:-test}" in
run) wanted=("${run_pkgs[@]}") ;;
package) wanted=("${run_pkgs[@]}" "${package_pkgs[@]}") ;;
check) wanted=("${run_pkgs[@]}" "${package_pkgs[@]}" "${check_pkgs[@]}") ;;
windows) wanted=("${run_pkgs[@]}" "${package_pkgs[@]}" "${check_pkgs[@]}" "${test_pkgs[@]}"
    "${windows_pkgs[@]}") ;;
web) wanted=("${run_pkgs[@]}" "${package_pkgs[@]}" "${check_pkgs[@]}" "${test_pkgs[@]}"
    "${web_pkgs[@]}") ;;
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

# Waits for another apt or dpkg run to finish instead of failing on its lock.
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
lock_wait=600

# apt 2.6 waits for the dpkg lock only: an update while another apt holds the lists lock fails at
# once, so it is tried again, for as long as the dpkg lock is waited for.
apt_update() {
    local waited=0 log
    log=$(mktemp)
    until as_root "${apt[@]}" update -q 2>"$log"; do
        if ! grep -q 'Could not get lock' "$log" || [ "$waited" -ge "$lock_wait" ]; then
            cat "$log" >&2
            rm -f "$log"
            [ "$waited" -ge "$lock_wait" ] &&
                echo "another apt held /var/lib/apt/lists/lock for ${lock_wait} s; try again once it is done" >&2
            exit 1
        fi
        [ "$waited" -eq 0 ] && echo "waiting for another apt to release /var/lib/apt/lists/lock"
        sleep 5
        waited=$((waited + 5))
    done
    cat "$log" >&2
    rm -f "$log"
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
    apt_update
    as_root "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
}

# apt-get source needs a deb-src entry, which many systems lack: one in a file of the project's
# own, for the release and mirror the system already uses. The system's own files stay as they are.
add_source_entry() {
    apt-get source --print-uris -q freeglut >/dev/null 2>&1 && return 0
    local suite mirror="" keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    suite=$(sed -n 's/^VERSION_CODENAME=//p' /etc/os-release)
    local lists=(/etc/apt/sources.list.d/*.sources)
    if [ -e "${lists[0]}" ]; then
        mirror=$(awk '/^Types:/ { deb = / deb( |$)/ } /^URIs:/ && deb { print $2; exit }' "${lists[@]}")
    fi
    if [ -z "$mirror" ] && [ -e /etc/apt/sources.list ]; then
        mirror=$(awk '$1 == "deb" { for (i = 2; i <= NF; ++i) if ($i ~ /:\/\//) { print $i; exit } }' \
            /etc/apt/sources.list)
    fi
    echo "adding a deb-src entry for $suite from $mirror"
    local entry
    entry=$(printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main' "$mirror" "$suite")
    if [ -e "$keyring" ]; then
        entry+=$'\n'"Signed-By: $keyring"
    fi
    echo "$entry" | as_root tee /etc/apt/sources.list.d/chess-checkers-source.sources >/dev/null
    apt_update
}

install_missing "${wanted[@]}"
if [ "${1:-}" = windows ]; then
    add_source_entry
fi
case "${CXX:-}" in
*clang*)
    install_missing clang
    compiler=${CXX%% *}
    major=$("$compiler" --version | sed -n 's/.*clang version \([0-9]*\)\..*/\1/p')
    install_missing "libclang-rt-$major-dev"
    ;;
esac
