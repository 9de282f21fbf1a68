#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent: asks apt only for what is missing,
# and refreshes the package index only when something must be installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libstb-dev libzip-dev libpng-dev
  clang libclang-rt-14-dev
  # The Debian package and its checks: dpkg-shlibdeps finds the dependencies.
  dpkg-dev
)
# The desktop program needs Qt; core, tests of the core and the command line do not.
if [ "${PELTERRA_NO_GUI:-0}" != "1" ]; then
  # fonts-ipafont-gothic: the Japanese captions need a CJK font.
  # qt6-tools-dev, qt6-l10n-tools: lupdate/lrelease for the English words; qt6-translations-l10n:
  # Qt's own dialogs in Japanese and English.
  packages+=(qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth fonts-ipafont-gothic
             qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
             # The icon's PNG sizes, and the validators of the menu entry and the metadata.
             librsvg2-bin desktop-file-utils appstream)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
