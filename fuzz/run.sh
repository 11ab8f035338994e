#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for the given time, each growing its own corpus in the build
# folder. A failing input is kept as <build>/fuzz/<fuzzer>-crash-*; rerun it with
# <build>/fuzz/<fuzzer> <that file>.
# Usage: bash fuzz/run.sh <fuzz build folder> <seconds per fuzzer>
set -euo pipefail
build="$(realpath "$1")"
seconds="$2"
fuzzers=("$build"/fuzz/*_fuzzer)
[ -x "${fuzzers[0]}" ] || { echo "fuzz: no fuzzers in $build/fuzz" >&2; exit 1; }
for fuzzer in "${fuzzers[@]}"; do
  name="$(basename "$fuzzer")"
  corpus="$build/fuzz/corpus/$name"
  log="$build/fuzz/$name.log"
  mkdir -p "$corpus"
  if "$fuzzer" -max_total_time="$seconds" -artifact_prefix="$build/fuzz/$name-" "$corpus" >"$log" 2>&1; then
    echo "fuzz: $name $(grep -E '^Done [0-9]+ runs' "$log" || true)"
  else
    tail -n 60 "$log" >&2
    echo "fuzz: $name FAILED (log $log)" >&2
    exit 1
  fi
done
