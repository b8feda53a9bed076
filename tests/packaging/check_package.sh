#!/bin/bash
# Builds the Debian package from an already built tree into a temporary folder and checks what it
# holds, its control fields and the desktop entry it installs.
# Usage: check_package.sh BUILD_DIR WITH_DESKTOP_PROGRAM(0|1)
set -euo pipefail
build_dir=$1
with_desktop=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build_dir/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
deb=$(find "$work" -maxdepth 1 -name '*.deb')
[ -n "$deb" ] || fail "no .deb in $work"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(
  /usr/bin/korvel-cli
  /usr/share/korvel/korvel32.lbr
  /usr/share/korvel/hops/LINK7.HOP
  /usr/share/korvel/hops/OLDLINK13.HOP
  /usr/share/korvel/route/COAST.ROU
  /usr/share/korvel/route/COAST4.HOP
  /usr/share/applications/korvel.desktop
  /usr/share/mime/packages/korvel.xml
  /usr/share/icons/hicolor/scalable/apps/korvel.svg
  /usr/share/man/man1/korvel.1.gz
  /usr/share/man/man1/korvel-cli.1.gz
  /usr/share/doc/korvel/library-format.md
  /usr/share/doc/korvel/guide/README.md
  /usr/share/doc/korvel/copyright
  /usr/share/korvel/dem/synthetic-coast.tif
  /usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/korvel/korvel-elevation-gdal.so
)
[ "$with_desktop" = 1 ] && expected+=(/usr/bin/korvel)
for path in "${expected[@]}"; do
  grep -qxF "$path" <<< "$contents" || fail "package lacks $path"
done
grep -q '^/usr/local/' <<< "$contents" && fail "package installs under /usr/local"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = korvel ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = science ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
depend_names=$(tr ',' '\n' <<< "$depends" | awk '{print $1}')
required=(libc6 libstdc++6)
[ "$with_desktop" = 1 ] && required+=(libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-dejavu-core)
for package in "${required[@]}"; do
  grep -qxF "$package" <<< "$depend_names" || fail "Depends lacks $package: $depends"
done
# korvel-cli does not link GDAL: the elevation model module it loads does, and needs it installed.
grep -qx 'libgdal[0-9]*' <<< "$depend_names" || fail "Depends lacks GDAL's library: $depends"

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/korvel.desktop" ||
  fail "desktop-file-validate refused the desktop entry"
for pattern in HOP ROU; do
  grep -q "glob pattern=\"\\*.$pattern\"" "$work/root/usr/share/mime/packages/korvel.xml" ||
    fail "the MIME package does not claim *.$pattern"
done
grep -q '^MimeType=.*application/x-korvel-route;' \
  "$work/root/usr/share/applications/korvel.desktop" || fail "the desktop entry does not open routes"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$work/root/usr/share/doc/korvel/copyright" || fail "the copyright file is not machine-readable"
grep -q '^License: GPL-3+' "$work/root/usr/share/doc/korvel/copyright" ||
  fail "the copyright file does not say GPL-3+"
# Fixed: the programs kept their symbol tables and the example route named the build folder.
for program in "$work"/root/usr/bin/* "$work"/root/usr/lib/*/korvel/*.so; do
  readelf -S "$program" | grep -q '\.symtab' && fail "$(basename "$program") is not stripped"
done
# The installed korvel-cli finds its elevation model module under the prefix it was unpacked to.
cp "$work"/root/usr/share/korvel/hops/LINK7.HOP{,.sites.json} "$work"
dems=()
for tile in "$work"/root/usr/share/korvel/dem/*.tif; do dems+=(--dem "$tile"); done
"$work/root/usr/bin/korvel-cli" profile "$work/LINK7.HOP" "${dems[@]}" > "$work/profile.txt" ||
  fail "the installed korvel-cli cannot take a profile from the sample elevation model"
grep -q '^distance km' "$work/profile.txt" || fail "the profile from the sample elevation model is empty"
built_in=$(realpath "$build_dir")
leaks=$(grep -rlaF "$built_in" "$work/root" || true)
[ -z "$leaks" ] || fail "installed files name the build folder $built_in: $leaks"
echo "package $(basename "$deb") checked"
