#!/usr/bin/env bash
# Runs a command under a limit on the memory of everything it starts, so that a runaway test
# fails at once with a clear message instead of growing until the kernel kills something:
#   scripts/limit-run.sh MEGABYTES COMMAND [ARGUMENTS...]
# The command runs in a session of its own; the resident memory of every process in it (a Wine
# program with its wineserver, say) is summed five times a second. Past the limit the session is
# killed and the exit status is 137. Stopping this script stops the command too.
set -u
limit_kb=$(( $1 * 1024 ))
shift
setsid "$@" &
pid=$!
trap 'kill -KILL -- "-$pid" 2>/dev/null; exit 143' TERM INT HUP
while kill -0 "$pid" 2>/dev/null; do
  used_kb=$(ps -o rss= -s "$pid" 2>/dev/null | awk '{ sum += $1 } END { print sum + 0 }')
  if [ "$used_kb" -gt "$limit_kb" ]; then
    command="$*"
    echo "limit-run: stopped after it used $(( used_kb / 1024 )) MB, more than its limit of" \
      "$(( limit_kb / 1024 )) MB: ${command:0:300}" >&2
    kill -KILL -- "-$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exit 137
  fi
  sleep 0.2
done
wait "$pid"
