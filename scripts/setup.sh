#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (as root, only what is missing),
# then configures and builds the given preset (default: "default"), all of it
# or only the given target.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
target="${2:-}"

# Qt Charts' CMake files need Qt OpenGL's, which its package does not pull in.
packages=(g++ cmake make pkg-config qt6-base-dev qt6-serialport-dev qt6-qpa-plugins
          qt6-charts-dev libqt6opengl6-dev
          qt6-declarative-dev  # QJSEngine: the bench's scripts and macros
          libqt6sql6-sqlite  # the production record's database driver (loaded at run time)
          libqt6sql6-psql    # the record on a PostgreSQL server shared by stations
          libgl-dev fonts-liberation fontconfig
          # The windows' translations: lupdate and lrelease, and the CMake
          # functions that run them (qt_add_translations); Qt's own
          # translations of its standard buttons; a font with Chinese
          # characters (the translations' tests and a Chinese window).
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-wqy-microhei
          help2man librsvg2-bin  # manual pages and PNG icons, made when building
          # zomar-cli serve: the line supervisor's page. Qt HTTP Server's CMake
          # files need Qt WebSockets', which its package does not pull in.
          qt6-httpserver-dev qt6-websockets-dev
          libzint-dev)  # the labels' 2D codes (QR, Data Matrix)
# The tests of a line of stations run a throwaway PostgreSQL server of their
# own (initdb in a temporary folder); the builds that hold tests need it.
if [ "$preset" = default ] || [ "$preset" = asan ]; then
  packages+=(postgresql)
  # The supervisor's page is tested in a headless browser, as a person sees it.
  # (and its HTTPS with a certificate that openssl makes).
  packages+=(chromium openssl)
  # The label tests rasterise PDFs and read their codes back with real decoders.
  packages+=(poppler-utils zbar-tools dmtx-utils)
fi
# scripts/package.sh builds and checks the Debian package with these.
if [ "${ZOMAR_PACKAGE_TOOLS:-0}" = 1 ]; then
  packages+=(dpkg-dev lintian desktop-file-utils appstream file man-db bash-completion)
fi
# The fuzzer is built with clang and its libFuzzer runtime.
if [ "$preset" = fuzz ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}. Run this as root (or: sudo apt-get install ${missing[*]})." >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
if [ -n "$target" ]; then
  cmake --build --preset "$preset" --target "$target"
else
  cmake --build --preset "$preset"
fi
