#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Torvex and every test with AddressSanitizer (with its leak checker)
# and UndefinedBehaviorSanitizer, the `sanitize` preset in build/sanitize, and
# runs the whole test suite under them. Any report fails the run.
#
#   scripts/sanitize.sh [extra ctest arguments, e.g. -R gui_monkey]
#
# Leaks that Qt's own libraries keep until the process ends (fontconfig and
# friends) are named in tests/lsan.supp; that file names third-party
# libraries only, never our code.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The GUI monkey test walks further here than in the plain test run: memory
# faults hide in rare sequences of actions, and the walk is cheap.
export TORVEX_MONKEY_ACTIONS="${TORVEX_MONKEY_ACTIONS:-10000}"

# The environment above is set before building too: the build runs the
# engine's test programs once to list their tests.
cmake --preset sanitize
cmake --build --preset sanitize --parallel 2
ctest --preset sanitize --timeout 600 --parallel 2 "$@"
