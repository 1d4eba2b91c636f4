#!/usr/bin/env bash
# Starts the real program under Xvfb on the xcb platform and waits until a
# window titled "Tovalin" shows. Exit 77 (skipped) where Xvfb is missing.
set -u
exe=${1:?usage: smoke_test.sh PATH-TO-tovalin}
for tool in xvfb-run xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/deps test installs it)"; exit 77; }
done
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data" QT_QPA_PLATFORM=xcb
xvfb-run -a -s '-screen 0 1024x768x24 -dpi 96' bash -c '
  "$1" & pid=$!
  for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Tovalin\""; then
      echo "window \"Tovalin\" is shown"
      kill -TERM $pid; wait $pid; status=$?
      echo "program ended with status $status after SIGTERM"
      exit $status
    fi
    kill -0 $pid 2>/dev/null || { echo "the program ended before showing its window"; exit 1; }
    sleep 0.2
  done
  echo "no window titled \"Tovalin\" within 20 s"; kill $pid; exit 1
' _ "$exe"
status=$?
# The program saved the (empty) due date on its way out.
if [ $status -eq 0 ] && [ "$(od -An -c "$data/tovalin/tvl.bbd" | tr -d ' ')" != '\r\n' ]; then
  echo "the due-date file was not saved at exit"; exit 1
fi
exit $status
