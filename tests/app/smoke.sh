#!/usr/bin/env bash
# The real program under a virtual X display on a copy of the sample ProgramDir: it opens,
# the next-lesson button and F7 are pressed, the close button closes it, and the state files
# hold the new lesson and one more run.
set -euo pipefail
exe=$1 data=$2 tool=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp -r "$data"/. "$dir"/
cp "$exe" "$dir/lumeport"
printf '3' > "$dir/SETTING/set.dat" # lesson 2
printf '4' > "$dir/SETTING/num.dat"

xvfb-run -a -s "-screen 0 1600x900x24" bash -c '
  set -e
  QT_QPA_PLATFORM=xcb "$0/lumeport" 2>/dev/null & pid=$!
  for _ in $(seq 150); do xdotool search --name "^Lumeport$" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1.5
  xdotool mousemove 66 92 click 1     # the next-lesson button
  sleep 0.7
  xdotool key F7                       # repeat the sentence
  sleep 0.7
  xdotool mousemove 1586 12 click 1   # the close button
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then kill $pid; echo "the window did not close" >&2; exit 1; fi
' "$dir"

saved=$("$tool" text "$dir/SETTING/set.dat")
runs=$("$tool" text "$dir/SETTING/num.dat")
[ "$saved" = 4 ] || { echo "set.dat holds '$saved', not 4 (lesson 3)" >&2; exit 1; }
[ "$runs" = 5 ] || { echo "num.dat holds '$runs', not 5" >&2; exit 1; }
echo "closed on lesson 3 after run 5"
