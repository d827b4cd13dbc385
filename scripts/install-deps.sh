#!/usr/bin/env bash
# Installs the Debian 12 packages Numerant needs to build, run and test,
# skipping what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev qt6-httpserver-dev qt6-svg-dev
  libqt6opengl6-dev qt6-websockets-dev
  libgl-dev libegl-dev libvulkan-dev libxkbcommon-dev
  libbenchmark-dev
  qt6-qpa-plugins qt6-translations-l10n
  fonts-liberation
  file # CPack reads the file types when it makes the Debian package
)
for option in "$@"; do
  case "$option" in
    # Validators for the desktop entry and AppStream data, PDF tools for the
    # manual, dpkg-deb and dpkg-shlibdeps for the package, a reader for the
    # RTF report.
    --with-tests) packages+=(xvfb xauth desktop-file-utils appstream poppler-utils dpkg-dev unrtf) ;;
    # Only the fuzz campaign (scripts/fuzz.sh) needs clang and its libFuzzer.
    --with-fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "unknown option: $option" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then as_root=(sudo); else
    echo "Please install as root: apt-get install ${missing[*]}" >&2; exit 1
  fi
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
