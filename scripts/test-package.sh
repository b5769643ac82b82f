#!/usr/bin/env bash
# Builds the Debian package from a Release build (or from the build folder
# given, which test.sh passes so that nothing is built twice), unpacks it into a scratch
# folder and checks what it holds: the unpacked trellwick-convert prints its
# version and converts the worked example into the golden SCM file, the
# desktop entry and the AppStream metainfo pass their validators, and the
# manual page is there. Any problem fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="${1:-$root/build-package}"
deb="$build/trellwick_1.02_amd64.deb"

if [ $# -eq 0 ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLWICK_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j "$(nproc)"
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
dpkg-deb --field "$deb" Package Version Architecture Depends
dpkg-deb --contents "$deb" | awk '{print $NF}' | grep -v '/$'

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked/root"
usr="$unpacked/root/usr"

version="$("$usr/bin/trellwick-convert" --version | head -n 1)"
[ "$version" = "trellwick-convert (Trellwick) 1.02" ] || { echo "unexpected version: $version" >&2; exit 1; }
mkdir "$unpacked/work"
LC_ALL=C TMPDIR="$unpacked/work" "$usr/bin/trellwick-convert" --type Hangars --name Hangar \
    --bitmap hangar.bmp --param 1=Color1 "$root/tests/data/worked_example.api" "$unpacked/hangar.scm"
cmp "$unpacked/hangar.scm" "$root/tests/data/worked_example.scm"
echo "the unpacked trellwick-convert wrote the golden SCM file"

for file in bin/trellwick share/man/man1/trellwick-convert.1.gz \
    share/icons/hicolor/16x16/apps/trellwick.png share/icons/hicolor/32x32/apps/trellwick.png; do
    [ -s "$usr/$file" ] || { echo "missing from the package: /usr/$file" >&2; exit 1; }
done
desktop-file-validate "$usr/share/applications/org.trellwick.Trellwick.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.trellwick.Trellwick.metainfo.xml"
echo "package check: passed"
