#!/usr/bin/env bash
# Builds the Debian package as a Debian build would (Release, with the
# hardening flags of dpkg-buildflags, in build-package), unpacks it into a
# scratch folder and checks what it holds: the unpacked trellwick-convert
# prints its version and converts the worked example into the golden SCM file,
# the desktop entry and the AppStream metainfo pass their validators, the
# files a user and a software centre look for are there, and lintian finds
# nothing (tags that stay are overridden, with the reason, in
# cmake/lintian-overrides). Any problem fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="$root/build-package"

cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLWICK_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/trellwick_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(echo "$build"/trellwick_*_amd64.deb)"
version="$(dpkg-deb --field "$deb" Version)"
dpkg-deb --field "$deb" Package Version Architecture Maintainer Depends
dpkg-deb --contents "$deb" | awk '{print $NF}' | grep -v '/$'

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked/root"
usr="$unpacked/root/usr"

first_line="$("$usr/bin/trellwick-convert" --version | head -n 1)"
case "$first_line" in
    "trellwick-convert (Trellwick) $version") ;;
    *) echo "unexpected version: $first_line" >&2; exit 1 ;;
esac
mkdir "$unpacked/work"
LC_ALL=C TMPDIR="$unpacked/work" "$usr/bin/trellwick-convert" --type Hangars --name Hangar \
    --bitmap hangar.bmp --param 1=Color1 "$root/tests/data/worked_example.api" "$unpacked/hangar.scm"
cmp "$unpacked/hangar.scm" "$root/tests/data/worked_example.scm"
echo "the unpacked trellwick-convert wrote the golden SCM file"

for file in bin/trellwick share/man/man1/trellwick.1.gz share/man/man1/trellwick-convert.1.gz \
    share/doc/trellwick/copyright share/doc/trellwick/changelog.gz \
    share/icons/hicolor/scalable/apps/trellwick.svg \
    share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/trellwick.png; do
    [ -s "$usr/$file" ] || { echo "missing from the package: /usr/$file" >&2; exit 1; }
done
grep -qF "<release version=\"$version\"" "$usr/share/metainfo/org.trellwick.Trellwick.metainfo.xml" ||
    { echo "the metainfo has no release $version" >&2; exit 1; }
desktop-file-validate "$usr/share/applications/org.trellwick.Trellwick.desktop"
appstreamcli validate --pedantic --no-net "$usr/share/metainfo/org.trellwick.Trellwick.metainfo.xml"
status=0
report="$(lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" 2>&1)" ||
    status=$?
grep -v '^running with root privileges is not recommended!$' <<<"$report" || true
[ "$status" -eq 0 ] || { echo "lintian: each tag above needs a fix or an override" >&2; exit 1; }
echo "package check: passed"
