#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package build/package/torvex_<version>_amd64.deb from a
# release build, then checks it: lintian, the desktop entry, the AppStream
# metadata, the unpacked program answering --version without a display, and
# the ferrite window opening from the unpacked module.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --with-package-tools

build=$PWD/build/package-build
out=$PWD/build/package

# Debian's own compiler and linker flags (hardening included), so that the
# program is built the way Debian builds its packages. Debug information is
# left out: the package is stripped anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DTORVEX_BUILD_TESTS=OFF -DTORVEX_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
cmake --build "$build"
# Not packaged: it opens the ferrite window from the unpacked package below.
cmake --build "$build" --target ferrite_module_check

rm -rf "$out"
(cd "$build" && cpack -B "$out")
rm -rf "$out/_CPack_Packages"
debs=("$out"/torvex_*.deb)
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
echo "Built $deb"

echo "== Checking the package"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

# The unpacked program runs on the system's Qt and needs no display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$unpacked/usr/bin/torvex" --version)
if [ "$(head -n 1 <<<"$answer")" != "Torvex $version" ]; then
  echo "The unpacked torvex --version says: $answer (wanted Torvex $version)" >&2
  exit 1
fi
echo "torvex --version: Torvex $version"
# It starts and keeps running (killed by timeout, exit code 124) rather than
# failing on a missing library or plugin.
status=0
mkdir -m 700 "$unpacked/runtime"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
  XDG_CONFIG_HOME="$unpacked/config" XDG_RUNTIME_DIR="$unpacked/runtime" \
  timeout 3 "$unpacked/usr/bin/torvex" || status=$?
if [ "$status" -ne 124 ]; then
  echo "The unpacked torvex ended with exit code $status within 3 seconds of starting" >&2
  exit 1
fi
echo "torvex starts (offscreen)"
# The program finds the ferrite window's module and the print module where
# the package puts them, and both load with the package's dependencies.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$unpacked/runtime" \
  "$build/src/app/ferrite_module_check" "$unpacked/usr/bin"

desktop-file-validate "$unpacked/usr/share/applications/torvex.desktop"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net "$unpacked"
# Errors fail the script; warnings and notes are shown (the README says why
# the remaining ones stay).
lintian --fail-on error --display-info --pedantic "$deb"

echo "Package: $deb"
echo "Install it with: apt install ./${deb#"$PWD"/}"
