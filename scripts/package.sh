#!/usr/bin/env bash
# Builds the Debian package (build/pelterra_<version>_<arch>.deb) and checks it without installing
# it: its control fields, then its files unpacked with dpkg -x into a throwaway root, where the
# unpacked usr/bin/pelterra-cli must find usr/share/pelterra/PartsData by itself and make a skin.
# usage: scripts/package.sh [--no-build] [BUILD_DIR]   (BUILD_DIR: $PELTERRA_BUILD_DIR or build)
set -euo pipefail
cd "$(dirname "$0")/.."
build_first=1
if [ "${1:-}" = --no-build ]; then build_first=0; shift; fi
build=${1:-${PELTERRA_BUILD_DIR:-build}}
fail() { echo "package: $*" >&2; exit 1; }

if [ $build_first = 1 ]; then
  ./scripts/install-deps.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build"
fi
build=$(cd "$build" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$build/pelterra_${version}_${arch}.deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack could not make the package"
[ -f "$deb" ] || fail "cpack made no $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pelterra ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = graphics ] || fail "Section is $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
description=$(field Description)
[ "$(wc -l <<<"$description")" -gt 1 ] || fail "no long Description"
[[ "$description" != *";"* ]] || fail "the Description's lines are joined with ';': $description"
depends=$(field Depends)
for library in libc6 libpng16-16 libstdc++6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
if grep -q '/usr/bin/pelterra$' <<<"$contents"; then
  [[ "$depends" == *libqt6widgets6* ]] || fail "Depends lacks Qt 6 Widgets: $depends"
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
[ -x "$root/usr/bin/pelterra-cli" ] || fail "the package holds no usr/bin/pelterra-cli"
mkdir -p "$root/out" "$root/home"
(cd "$root/home" && HOME=$root/home XDG_DATA_HOME=$root/home/data "$root/usr/bin/pelterra-cli" build \
  "$root/usr/share/pelterra/Samples/base_main_eq_playlist.bmp" -o "$root/out/sample" >/dev/null) ||
  fail "the unpacked pelterra-cli could not build the sample skin"
for file in main.bmp eqmain.bmp pledit.bmp pledit.txt viscolor.txt; do
  [ -s "$root/out/sample/$file" ] || fail "the unpacked pelterra-cli made no $file"
done
echo "Package: $deb"
echo "Depends: $depends"
