#!/bin/sh
# Runs the program with standard streams that fail: each run must end with status 2 and one
# line on standard error naming the failure. Takes the program and the folder of transcripts.
program=$1
session=$2/path_of_three.in
failures=0

# expect STATUS ERROR COMMAND: runs COMMAND (a shell text using $program and $session).
expect() {
  error=$(sh -c "$3" 2>&1 >/dev/null)
  status=$?
  if [ "$status" != "$1" ] || [ "$error" != "$2" ]; then
    echo "'$3': status $status, standard error '$error'; expected $1 and '$2'"
    failures=$((failures + 1))
  fi
}
export program session

expect 2 "pruefer: write error: No space left on device" '"$program" < "$session" > /dev/full'
expect 2 "pruefer: write error: No space left on device" '"$program" --help > /dev/full'
expect 2 "pruefer: write error: Bad file descriptor" '"$program" < "$session" >&-'
expect 2 "pruefer: read error: Is a directory" '"$program" < /'
expect 2 "pruefer: read error: Bad file descriptor" '"$program" <&-'
# Endless input into dead output stops at the first flush instead of spinning.
expect 2 "pruefer: write error: No space left on device" 'yes 2 | "$program" > /dev/full'
exit $failures
