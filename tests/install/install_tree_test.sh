#!/usr/bin/env bash
# Installs the build into a throwaway prefix and runs the installed pelterra-cli from there, with
# no --parts: it must find share/pelterra/PartsData relative to itself, make the skins, put its
# work files into the per-user folder and leave the installed share/pelterra exactly as it was.
# usage: install_tree_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install tree: $*"; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
cli=$prefix/bin/pelterra-cli
library=$prefix/share/pelterra
samples=$library/Samples
[ -x "$cli" ] || fail "bin/pelterra-cli was not installed"
[ -d "$library/PartsData/system" ] || fail "share/pelterra/PartsData was not installed"
[ -f "$prefix/share/man/man1/pelterra-cli.1" ] || fail "the man page pelterra-cli(1) was not installed"

# Every entry with its size, time and content: any write into the library changes this.
fingerprint() { (cd "$library" && find . -printf '%y %p %s %T@\n' | sort && find . -type f -exec md5sum {} + | sort); }
before=$(fingerprint)

# A user of their own, and a current folder that holds nothing the program could use.
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$work/out"
cd "$HOME"
"$cli" build "$samples/base_main_eq_playlist.bmp" -o "$work/out/sky" >/dev/null
"$cli" build "$samples/base_main_eq.bmp" --region "$samples/region_main_eq.bmp" --key 255,0,255 \
  -o "$work/out/shaped.wsz" >/dev/null

for file in main.bmp cbuttons.bmp titlebar.bmp eqmain.bmp pledit.bmp pledit.txt viscolor.txt; do
  [ -s "$work/out/sky/$file" ] || fail "the installed pelterra-cli made no $file"
done
[ -s "$work/out/shaped.wsz" ] || fail "the installed pelterra-cli made no archive"
[ -s "$XDG_DATA_HOME/pelterra/system/region1.txt" ] || fail "the region work files did not go to XDG_DATA_HOME"
[ "$(fingerprint)" = "$before" ] || fail "something was written into the installed share/pelterra"
[ "$(ls "$prefix/bin")" = "$(cd "$build/bin" && ls -d pelterra-cli pelterra 2>/dev/null | sort)" ] ||
  fail "bin holds more than the programs: $(ls "$prefix/bin")"

# The desktop program's part of the install, when it was built.
if [ -x "$prefix/bin/pelterra" ]; then
  for file in share/applications/org.pelterra.Pelterra.desktop share/metainfo/org.pelterra.Pelterra.metainfo.xml \
              share/mime/packages/org.pelterra.Pelterra.xml share/man/man1/pelterra.1 \
              share/icons/hicolor/scalable/apps/org.pelterra.Pelterra.svg; do
    [ -f "$prefix/$file" ] || fail "$file was not installed"
  done
  if [ -d "$build/data/icons" ]; then
    for size in 16 22 24 32 48 64 128 256; do
      png=$prefix/share/icons/hicolor/${size}x${size}/apps/org.pelterra.Pelterra.png
      [ -f "$png" ] || fail "the ${size}x${size} icon was not installed"
      # A PNG's width and height are the big-endian words at bytes 16 and 20.
      [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ')" = " $size $size" ] ||
        fail "the ${size}x${size} icon has another size"
    done
  fi
  if [ -f "$build/bin/translations/pelterra_en.qm" ]; then
    [ -f "$library/translations/pelterra_en.qm" ] || fail "the English translation was not installed"
  fi
fi
echo "install tree: the installed pelterra-cli made both skins and left share/pelterra alone"
