#!/bin/sh
# The Debian package of this build: made with CPack into a private folder,
# its control fields and contents checked (the version everywhere it is
# written, the dependencies loaded at run time, the desktop entry and the
# metainfo valid), then extracted with dpkg-deb -x and both programs run
# from it: voran-report prints its version and the worked example's report
# as the build tree's copy does, and voran brings up its worksheet on a
# virtual display and ends through "Exit" (Program_start_test.sh).
#
# usage: package_test.sh BUILD_DIR VERSION VORAN_REPORT PROGRAM_START_TEST
# Exit status 77 (skipped) when CPack's DEB tools are missing.
set -eu
build="$1"; version="$2"; report="$3"; start_test="$4"

for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing (scripts/test installs dpkg-dev)"; exit 77; }
done

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
trap 'exit 1' INT TERM HUP
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$folder/out" >"$folder/cpack.log" 2>&1 ||
  { cat "$folder/cpack.log"; fail "cpack could not make the package"; }
deb="$folder/out/voran_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$folder/out"; fail "no package named $(basename "$deb")"; }

[ "$(dpkg-deb -f "$deb" Package)" = voran ] || fail "the package is not named voran"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 libc6 qt6-qpa-plugins libqt6svg6 fonts-liberation; do
  echo "$depends" | grep -q "\\b$needed\\b" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$folder/root"
root="$folder/root"
for file in usr/bin/voran usr/bin/voran-report usr/share/applications/voran.desktop \
  usr/share/icons/hicolor/scalable/apps/voran.svg usr/share/icons/hicolor/16x16/apps/voran.png \
  usr/share/icons/hicolor/48x48/apps/voran.png usr/share/icons/hicolor/256x256/apps/voran.png \
  usr/share/metainfo/org.voran.voran.metainfo.xml usr/share/man/man1/voran.1.gz \
  usr/share/man/man1/voran-report.1.gz usr/share/doc/voran/copyright usr/share/doc/voran/changelog.gz; do
  [ -s "$root/$file" ] || fail "the package has no $file"
done
# A PNG image's width and height: the big-endian words at bytes 16 and 20.
size=$(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/48x48/apps/voran.png" |
  awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8}')
[ "$size" = 48x48 ] || fail "the 48x48 icon is $size pixels"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.voran.voran.metainfo.xml" ||
  fail "the metainfo does not name version $version"
for page in voran voran-report; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | head -n 1 | grep -q "\"voran $version\"" ||
    fail "the manual page of $page does not name version $version"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/voran.desktop" || fail "the desktop entry is not valid"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.voran.voran.metainfo.xml" >"$folder/appstream.log" 2>&1 ||
    { cat "$folder/appstream.log"; fail "the metainfo is not valid"; }
fi

[ "$("$root/usr/bin/voran-report" --version)" = "voran-report $version" ] || fail "voran-report --version"
set -- --sd 10 --n 20 --case-a 50 --case-b 30
LC_ALL=C "$root/usr/bin/voran-report" "$@" >"$folder/packaged.txt" || fail "the packaged voran-report failed"
LC_ALL=C "$report" "$@" >"$folder/built.txt"
cmp -s "$folder/packaged.txt" "$folder/built.txt" || fail "the packaged voran-report writes another report"
grep -q "(Case A - Case B)  = 20.000" "$folder/packaged.txt" || fail "the worked example's difference is missing"

sh "$start_test" "$root/usr/bin/voran" || fail "the packaged voran did not start and end"
echo "package $(basename "$deb") made, checked and run"
