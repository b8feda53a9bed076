#!/usr/bin/env bash
# Cold start of the desktop program as a whole process: `korvel --play` with a scenario of one
# `quit` line, offscreen, from start to exit (library read, main window, start panel). Prints the
# median wall time over KORVEL_TIMING_RUNS runs (default 21), with /bin/true for reference.
#   bench/desktop/cold_start.sh BUILD_DIR      (build first: --target korvel sample_data)
set -euo pipefail
build=${1:-build/release}
korvel=$(realpath "$build/apps/korvel/korvel")
library=$(realpath "$build/data/korvel32.lbr")
runs=${KORVEL_TIMING_RUNS:-21}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo quit > "$work/quit.scn"
cd "$work"
export QT_QPA_PLATFORM=offscreen

# Median of the wall times, in milliseconds, of running the command `runs` times.
median_ms() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

"$korvel" --library "$library" --play quit.scn > /dev/null # warms the font cache and the disk
echo "korvel --play (one quit line), offscreen: median $(median_ms "$korvel" --library "$library" --play quit.scn) ms over $runs runs"
echo "/bin/true:                                median $(median_ms /bin/true) ms"
