#!/usr/bin/env bash
# Builds the fuzz target with clang and runs it for the given number of seconds (default 60),
# starting from the golden transcripts. Exits non-zero on any finding, whose input is kept in
# build-fuzz/findings/ (turn it into a transcript in tests/transcripts/ once mended).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
corpus=build-fuzz/corpus
mkdir -p "$corpus" build-fuzz/findings
cp tests/transcripts/*.in "$corpus"/
build-fuzz/fuzz/fuzz_dialogue "$corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ "$@"
