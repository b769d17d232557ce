#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; only
# what is missing, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev clang
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth
  libcairo2-dev libpango1.0-dev libfontconfig-dev libjpeg-dev libpng-dev libgif-dev zlib1g-dev
  libyaml-cpp-dev fonts-dejavu-core
  # The native player: its window, input and dialogs; its end-to-end test
  # drives it with real X input and reads screenshots (xwd).
  libgtk-3-dev xdotool x11-apps
  # Wine's DirectShow parses media through GStreamer (sounds and videos);
  # the native player plays them with it (libav: WMV, MPEG and the old AVI
  # codecs), and its media tests make their files with gst-launch-1.0.
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav gstreamer1.0-tools
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  # The native player's browser panes (its downloads go through libsoup,
  # which WebKitGTK brings).
  libwebkit2gtk-4.1-dev
  # The Wine media scenario writes its tone and clip with a script.
  python3
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# 32-bit Wine only where this machine runs 32-bit programs (even the i386
# packages' install scripts fail elsewhere); the Wine checks fall back to
# the 64-bit player there (scripts/wine-arch.sh).
update=0
if [ "$(VX_WINE64=0 "$(dirname "$0")/wine-arch.sh")" = 32 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    update=1
  fi
  packages+=(wine32:i386 gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ $update -eq 1 ] || [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v lock)" ]; then
    as_root apt-get update -q
  fi
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
fi

# Flash movies in the native player: the Ruffle web player, the one package
# that does not come from Debian (Debian has no Flash player; docs/
# dependencies.md says why npm). Installed into a fixed folder outside the
# repository, at a fixed version; the build looks for it there.
ruffle_version=0.6.0
ruffle_dir=${VX_RUFFLE_PREFIX:-/usr/local/share/vexorelle/ruffle}
ruffle_js=$ruffle_dir/node_modules/@ruffle-rs/ruffle/ruffle.js
if [ ! -f "$ruffle_js" ] || ! grep -q "\"version\":\"$ruffle_version\"" "$(dirname "$ruffle_js")/package.json" 2>/dev/null; then
  if ! command -v npm >/dev/null; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends npm
  fi
  echo "Installing the Ruffle web player $ruffle_version into $ruffle_dir"
  as_root mkdir -p "$ruffle_dir"
  as_root npm install --prefix "$ruffle_dir" --no-audit --no-fund --no-save --ignore-scripts \
    "@ruffle-rs/ruffle@$ruffle_version"
fi
