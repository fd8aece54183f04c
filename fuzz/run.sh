#!/usr/bin/env bash
# Runs the input reader fuzz target for a bounded time from a seed corpus of the project's
# example inputs and reader fixtures. Usage: fuzz/run.sh BUILD_DIR SECONDS
# Builds nothing. Fails when the fuzzer finds a crash or a sanitizer report; the input that
# caused it is kept in BUILD_DIR/fuzz-artifacts/.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
fuzzer="$build/input_reader_fuzz"
if [ ! -x "$fuzzer" ]; then
  echo "$fuzzer not found: build the target input_reader_fuzz first" >&2
  exit 2
fi

corpus="$(mktemp -d "${TMPDIR:-/tmp}/tovek8_fuzz_corpus.XXXXXX")"
trap 'rm -rf "$corpus"' EXIT
n=0
while IFS= read -r -d '' seed; do
  cp "$seed" "$corpus/seed_$n.dat"
  n=$((n + 1))
done < <(find "$repo/examples" "$repo/tests/model/data" "$repo/tests/model/golden" -name '*.dat' -type f -print0 2>/dev/null)
echo "fuzzing the input reader for $seconds s from $n seeds"

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" \
UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus"
