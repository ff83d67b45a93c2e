#!/bin/sh
# Writes the expected outputs of every golden transcript anew from a built program, for a person
# to review as a diff before committing them: NAME.out from NAME.in, NAME.err where the program
# writes to standard error and NAME.status where it ends with a status other than 0 (each
# removed where it no longer applies), under the address-space limit of NAME.limit if any.
# Usage: tests/regenerate_transcripts.sh [PROGRAM], by default build/pruefer.
set -eu
folder=$(dirname "$0")/transcripts
program=${1:-build/pruefer}
for input in "$folder"/*.in; do
  base=${input%.in}
  status=0
  (
    if [ -f "$base.limit" ]; then ulimit -v "$(cat "$base.limit")"; fi
    exec "$program"
  ) < "$input" > "$base.out" 2> "$base.err" || status=$?
  [ -s "$base.err" ] || rm "$base.err"
  if [ "$status" = 0 ]; then rm -f "$base.status"; else echo "$status" > "$base.status"; fi
done
git -C "$folder" status --short .
