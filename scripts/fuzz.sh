#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the engine's libFuzzer targets (fuzz/) with clang-14 into build/fuzz,
# replays the saved fault inputs in fuzz/regressions, and runs every target
# for a bounded time on a copy of its seeds, so the repository stays clean.
#
#   scripts/fuzz.sh [seconds-per-target]     (default 60)
#
# FUZZ_FLAGS adds libFuzzer flags to every run, e.g. FUZZ_FLAGS=-use_value_profile=1.
# FUZZ_SEED picks the random seed; the fixed default keeps a short run
# repeatable, FUZZ_SEED=0 lets libFuzzer choose one.
#
# Exits non-zero when the build fails, a saved fault input fails again, or a
# target finds a fault; the inputs it found are kept in build/fuzz/findings.
set -euo pipefail

seconds="${1:-60}"
case "$seconds" in
  '' | *[!0-9]*) echo "usage: $0 [seconds-per-target]" >&2; exit 2 ;;
esac

seed="${FUZZ_SEED:-20261208}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"
targets=(fuzz_read_number fuzz_format fuzz_calculators fuzz_ferrite_table)

# clang-14 with its sanitizer and libFuzzer runtimes, installed when missing.
"$root/scripts/install-deps.sh" --with-fuzz-tools

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

failed=0
rm -rf "$build/findings"

# The lines that say what broke: a property, a sanitizer, a timeout.
show_fault() {
  grep -a -E -A1 '\*\*\* property violated|runtime error|ERROR: [A-Za-z]*Sanitizer|ERROR: libFuzzer: (timeout|out-of-memory)' "$1" |
    head -n 8 || true
}

# Inputs that once found a fault must pass from now on.
for t in "${targets[@]}"; do
  dir="$root/fuzz/regressions/$t"
  [ -d "$dir" ] || continue
  shopt -s nullglob
  inputs=("$dir"/*)
  shopt -u nullglob
  [ "${#inputs[@]}" -gt 0 ] || continue
  if "$build/$t" "${inputs[@]}" >"$build/$t.regressions.log" 2>&1; then
    echo "$t: ${#inputs[@]} saved fault inputs pass"
  else
    echo "$t: a saved fault input fails again (log: $build/$t.regressions.log)"
    show_fault "$build/$t.regressions.log"
    failed=1
  fi
done

# Two targets at a time on the two cores.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
run_target() {
  local t="$1"
  mkdir -p "$work/$t/corpus" "$work/$t/findings"
  cp "$root/fuzz/corpus/$t"/* "$work/$t/corpus/"
  "$build/$t" -max_total_time="$seconds" -seed="$seed" -timeout=5 -rss_limit_mb=2048 \
    -dict="$root/fuzz/dict/numbers.dict" -print_final_stats=1 \
    -artifact_prefix="$work/$t/findings/" ${FUZZ_FLAGS:-} "$work/$t/corpus" >"$build/$t.log" 2>&1
}

pids=()
for t in "${targets[@]}"; do
  if [ "${#pids[@]}" -ge 2 ]; then
    wait "${pids[0]}" || true
    pids=("${pids[@]:1}")
  fi
  run_target "$t" &
  pids+=("$!")
done
wait || true

for t in "${targets[@]}"; do
  log="$build/$t.log"
  runs="$(grep -a -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
  shopt -s nullglob
  found=("$work/$t/findings"/*)
  shopt -u nullglob
  if [ "${#found[@]}" -eq 0 ] && grep -aq 'Done [0-9]* runs' "$log"; then
    echo "$t: ${runs:-?} executions in ${seconds} s, no fault"
  else
    failed=1
    mkdir -p "$build/findings/$t"
    for f in "${found[@]}"; do cp "$f" "$build/findings/$t/"; done
    echo "$t: FAULT after ${runs:-?} executions (log: $log; inputs: $build/findings/$t)"
    show_fault "$log"
  fi
done

exit "$failed"
