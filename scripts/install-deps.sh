#!/usr/bin/env bash
# Installs the Debian packages that building and testing Torvex needs,
# but only those that are missing (so a prepared machine is not touched).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6svg6
  qt6-charts-dev libqt6opengl6-dev  # the ferrite window's plot; Qt Charts' CMake package needs OpenGL's
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
)
for option in "$@"; do
  case "$option" in
    --with-display-tools) packages+=(xvfb xauth) ;;                        # xvfb-run
    --with-fuzz-tools) packages+=(clang-14 libclang-rt-14-dev libfuzzer-14-dev) ;;
    # cpack's dependency scan (dpkg-shlibdeps, file) and the package checks
    --with-package-tools) packages+=(dpkg-dev file lintian desktop-file-utils appstream) ;;
    *) echo "usage: $0 [--with-display-tools] [--with-fuzz-tools] [--with-package-tools]" >&2; exit 2 ;;
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
