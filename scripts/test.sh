#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Torvex and runs every test: the engine and window tests, the same
# suite again under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, the engine's tests built for Windows and run
# under Wine, and a short run of every fuzz target.
#
#   scripts/test.sh           everything (what CI runs)
#   scripts/test.sh --quick   only the engine and window tests
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
cmake --preset dev
cmake --build --preset dev
ctest --preset dev --timeout 300

if [ "${1:-}" = "--quick" ]; then
  exit 0
fi

scripts/sanitize.sh
scripts/test-windows-engine.sh
scripts/fuzz.sh "${TORVEX_FUZZ_SECONDS:-30}"
