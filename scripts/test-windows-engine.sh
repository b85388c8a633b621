#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the engine and its tests for 64-bit Windows with MinGW-w64 (the
# windows-engine preset, in build/windows-engine) and runs them under Wine,
# without a display: first the user's language identifier under a US English
# locale, then every engine test under a German one. Installs MinGW-w64, Wine
# and the GoogleTest sources when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --with-windows-tools

cmake --preset windows-engine >/dev/null
cmake --build --preset windows-engine --parallel 2

# Wine's Windows installation (its prefix) lives in the build folder. No
# display, so nothing opens a window; no Mono or Gecko, which the first start
# would otherwise offer to install.
export WINEPREFIX="$PWD/build/windows-engine/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

# One Wine server for every run (each program would otherwise start its own,
# a few seconds each), ended on the way out.
mkdir -p "$WINEPREFIX"
wineserver --persistent </dev/null >/dev/null 2>&1
trap 'wineserver --kill >/dev/null 2>&1 || true' EXIT
echo "Windows: preparing the Wine prefix $WINEPREFIX"
wine wineboot --init </dev/null >/dev/null 2>&1

tests=build/windows-engine/tests/engine_test.exe
# The identifier Wine reports follows the Unix locale the program starts in.
run_tests() {
  local locale="$1" languageId="$2"
  shift 2
  LANG="$locale" LC_ALL="$locale" TORVEX_EXPECTED_LANGUAGE_ID="$languageId" \
    wine "$tests" --gtest_brief=1 "$@" </dev/null 2>&1 | tr -d '\r'
}

echo "Windows: the user's language identifier under en_US.UTF-8 (1033)"
run_tests en_US.UTF-8 1033 --gtest_filter='UserLanguageIdTest.*'
echo "Windows: every engine test under de_DE.UTF-8 (1031)"
run_tests de_DE.UTF-8 1031
