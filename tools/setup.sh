#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Zavolin needs.
# Idempotent: packages already present are left as they are.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools libqt6svg6 qt6-qpa-plugins qt6-image-formats-plugins
  libgl-dev libxkbcommon-dev libx11-dev libcups2-dev libqpdf-dev libzxing-dev libpoppler-qt6-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  cups cups-client cups-bsd cups-ipp-utils printer-driver-cups-pdf
  poppler-utils ghostscript qpdf
  fonts-dejavu-core xvfb xauth
  dpkg-dev file desktop-file-utils appstream reuse
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "zavolin setup: these Debian packages are missing and installing them needs root:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  echo "Run that (or run this script as root), then try again." >&2
  exit 1
fi

echo "zavolin setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
