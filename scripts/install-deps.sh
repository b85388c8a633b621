#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that building and testing Torvex needs,
# but only those that are missing (so a prepared machine is not touched),
# and generates the German and US English locales that tests start under.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6svg6
  qt6-charts-dev libqt6opengl6-dev  # the ferrite window's plot; Qt Charts' CMake package needs OpenGL's
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core locales
)
for option in "$@"; do
  case "$option" in
    --with-display-tools) packages+=(xvfb xauth) ;;                        # xvfb-run
    --with-fuzz-tools) packages+=(clang-14 libclang-rt-14-dev libfuzzer-14-dev) ;;
    # cpack's dependency scan (dpkg-shlibdeps, file) and the package checks
    --with-package-tools) packages+=(dpkg-dev file lintian desktop-file-utils appstream) ;;
    # The engine's Windows build and Wine to run its tests; googletest for
    # the GoogleTest sources that build compiles.
    --with-windows-tools) packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 googletest) ;;
    *) echo "usage: $0 [--with-display-tools] [--with-fuzz-tools] [--with-package-tools] [--with-windows-tools]" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Locales, generated only when missing: locale -a lists "de_DE.utf8".
missing_locales=()
for locale in de_DE.UTF-8 en_US.UTF-8; do
  locale -a 2>/dev/null | grep -qix "${locale%.UTF-8}.utf8" || missing_locales+=("$locale")
done
if [ "${#missing_locales[@]}" -gt 0 ]; then
  echo "Generating locales: ${missing_locales[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  for locale in "${missing_locales[@]}"; do
    # Enabled in /etc/locale.gen too, so a later locale-gen keeps them.
    $SUDO sed -i "s/^# *\(${locale} UTF-8\)$/\1/" /etc/locale.gen
    grep -qx "${locale} UTF-8" /etc/locale.gen || echo "${locale} UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen
fi
