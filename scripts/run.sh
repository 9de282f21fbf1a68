#!/usr/bin/env bash
# The main job: installs what is missing, builds the programs, makes the sample skin with
# pelterra-cli (a folder and a .wsz archive with a preview picture) and, when a display is
# present, starts the desktop program. Arguments are passed on to the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=${PELTERRA_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"

# The generated sample: main window, equalizer and playlist faces stacked (275x348), the
# equalizer band below the main band.
sample="$build/bin/Samples/base_main_eq_playlist.bmp"
skins="$build/skins"
mkdir -p "$skins"
"$build/bin/pelterra-cli" build "$sample" -o "$skins/sample" >/dev/null
"$build/bin/pelterra-cli" build "$sample" -o "$skins/sample.wsz" \
  --preview "$skins/sample-preview.png" >/dev/null

# One skin per style of the library, each from the photo-like sample picture with the whole-skin
# style chosen (its parts in every category, its digits, glyph, playlist and visualisation
# colours), drawn as players draw their three windows, side by side in one picture.
photo="$build/bin/Samples/photo.bmp"
renders=()
for style in Classic Glass Metal Flat Outline; do
  name=$(echo "$style" | tr '[:upper:]' '[:lower:]')
  "$build/bin/pelterra-cli" build "$photo" --set "StyleCombo=$style" \
    -o "$skins/$name.wsz" --preview "$skins/$name-preview.png" >/dev/null
  "$build/bin/pelterra-cli" render "$skins/$name.wsz" --window all -o "$skins/$name-render.png" >/dev/null
  renders+=("$style=$skins/$name-render.png")
done
"$build/bin/partsgen" --side-by-side "$skins/styles.png" "${renders[@]}"

echo "Sample skin (folder):   $skins/sample/"
echo "Sample skin (archive):  $skins/sample.wsz"
echo "Preview of the sample:  $skins/sample-preview.png"
echo "One skin per style:     $skins/classic.wsz, glass.wsz, metal.wsz, flat.wsz, outline.wsz"
echo "As players draw them:   $skins/styles.png"
# The sample's three windows as the players draw them, twice the size.
"$build/bin/pelterra-cli" render "$skins/sample.wsz" --scale 2 -o "$skins/sample-render.png" >/dev/null
echo "Sample as players draw it: $skins/sample-render.png"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$build/bin/pelterra" ]; then
  echo "Starting the desktop program: $build/bin/pelterra"
  exec "$build/bin/pelterra" "$@"
fi
if [ ! -x "$build/bin/pelterra" ]; then
  echo "The desktop program was not built (Qt 6 missing); use the command line:"
else
  echo "No display, so the desktop program is not started (run $build/bin/pelterra on a desktop,"
  echo "or xvfb-run -a $build/bin/pelterra). Without a display, use the command line:"
fi
echo "  $build/bin/pelterra-cli build PICTURE [--set NAME=VALUE]... -o OUT_FOLDER_OR_.wsz [--preview FILE.png]"
echo "  $build/bin/pelterra-cli catalogue"
