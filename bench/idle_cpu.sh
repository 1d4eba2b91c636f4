#!/usr/bin/env bash
# Measures the CPU that the running program uses while idle with a due date
# set and the heart off: starts it under Xvfb, waits for it to settle, then
# reads its CPU time from /proc over a period (60 s unless given).
#   bench/idle_cpu.sh [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exe=${TOVALIN_EXE:-$here/build/tovalin}
period=${1:-60}
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p -m 700 "$data/tovalin"
printf '%s\r\n' "$(date -d '+120 days' +%m/%d/%Y)" > "$data/tovalin/tvl.bbd"
XDG_DATA_HOME="$data" xvfb-run -a -s '-screen 0 1024x768x24 -dpi 96' bash -c '
  "$1" & pid=$!
  sleep 5
  ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
  hz=$(getconf CLK_TCK)
  before=$(ticks); start=$(date +%s.%N)
  sleep "$2"
  after=$(ticks); end=$(date +%s.%N)
  rss=$(awk "/VmRSS/ {print \$2}" /proc/$pid/status)
  kill $pid; wait $pid 2>/dev/null || true
  awk -v b="$before" -v a="$after" -v s="$start" -v e="$end" -v hz="$hz" -v rss="$rss" "BEGIN {
    cpu = (a - b) / hz; wall = e - s;
    printf \"idle CPU: %.3f s of CPU in %.1f s = %.3f%% of one core; resident memory %.1f MiB\n\", cpu, wall, 100 * cpu / wall, rss / 1024 }"
' _ "$exe" "$period"
