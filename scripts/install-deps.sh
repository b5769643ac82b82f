#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that Trellwick needs, skipping those
# already present. "install-deps.sh run" installs only what building and
# running the programs need (run.sh), "install-deps.sh screenshots" that and
# what take-screenshots.sh needs; without an argument it installs what the
# tests, the benchmarks, the Windows cross build, the fuzzers and the package
# checks need besides (test.sh). Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev libcli11-dev)
if [ "${1:-}" = screenshots ]; then
    packages+=(xvfb openbox xdotool imagemagick x11-utils)
elif [ "${1:-}" != run ]; then
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang-format xvfb xauth time
               # the number format tests in a decimal-comma locale
               locales-all
               # the fuzzers
               clang libclang-rt-dev
               # the Windows cross build, its tests under Wine (offscreen with the
               # DejaVu fonts) and its windows driven in a virtual display
               g++-mingw-w64-x86-64-posix googletest wine64 fonts-dejavu-core xdotool
               # the Debian package and its checks
               dpkg-dev file desktop-file-utils appstream lintian)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
