#!/usr/bin/env bash
# What the calculator costs once it has rested: started on the sdl backend
# (on the X display of DISPLAY; run it under scripts/with-xvfb), its first
# edit text clicked and a digit typed, then left alone. From 15 to 25
# seconds after that last input it reports the voluntary context switches
# (/proc/PID/status) and the CPU time (/proc/PID/schedstat) of the
# program's main thread, and of all its threads.
#
#   scripts/with-xvfb bench/caret_rest_idle.sh build/release/app/velmaro
set -euo pipefail

velmaro=$1
menu_bar_height=19

VELMARO_BACKEND=sdl "$velmaro" > /dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2> /dev/null || true' EXIT
window=$(timeout 10 xdotool search --sync --name '^Velmaro$' | head -n 1)
[ -n "$window" ] || { echo "caret_rest_idle: no window" >&2; exit 1; }
sleep 1
xdotool mousemove --window "$window" 325 $((36 + menu_bar_height)) click 1
xdotool type 1

switches() { awk '/^voluntary_ctxt_switches/ { print $2 }' "$1/status"; }
cpu_ns() { awk '{ print $1 }' "$1/schedstat"; }
all_threads() {
  local total_switches=0 total_ns=0
  for task in /proc/"$pid"/task/*; do
    total_switches=$((total_switches + $(switches "$task")))
    total_ns=$((total_ns + $(cpu_ns "$task")))
  done
  echo "$total_switches $total_ns"
}

sleep 15
main_switches=$(switches /proc/"$pid")
main_ns=$(cpu_ns /proc/"$pid")
read -r threads_switches threads_ns < <(all_threads)
sleep 10
main_switches=$(($(switches /proc/"$pid") - main_switches))
main_ns=$(($(cpu_ns /proc/"$pid") - main_ns))
read -r s n < <(all_threads)
threads_switches=$((s - threads_switches))
threads_ns=$((n - threads_ns))

echo "from 15 to 25 s after the last input:"
echo "  main thread: $main_switches voluntary context switches, $(awk "BEGIN { printf \"%.3f\", $main_ns / 1e6 }") ms CPU"
echo "  all threads: $threads_switches voluntary context switches, $(awk "BEGIN { printf \"%.3f\", $threads_ns / 1e6 }") ms CPU"
