#!/bin/sh
# Installs the Debian packages the build, the tests and the benchmarks need, only those missing.
# Usage: install-deps.sh run|test
set -e
run_pkgs="cmake make g++ freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri libx11-dev"
test_pkgs="libgtest-dev libbenchmark-dev xvfb xauth xdotool clang-format"
case "$1" in
run) wanted="$run_pkgs" ;;
*) wanted="$run_pkgs $test_pkgs" ;;
esac
missing=""
for p in $wanted; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages:$missing; run as root or install them by hand" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends $missing
