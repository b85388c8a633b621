#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Torvex (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset release -DTORVEX_BUILD_TESTS=OFF
cmake --build --preset release --target torvex

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'MSG'
Torvex is built (build/release/src/app/torvex), but there is no display to show it on.
Start it from a desktop session, or on a machine without one run it in a virtual display:
  scripts/install-deps.sh --with-display-tools
  xvfb-run -a build/release/src/app/torvex
MSG
  exit 1
fi
exec build/release/src/app/torvex "$@"
