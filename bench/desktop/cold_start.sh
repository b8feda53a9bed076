#!/usr/bin/env bash
# Cold start of the desktop program as a whole process: `korvel --play` with a scenario of one
# `quit` line, offscreen, from start to exit (library read, main window, start panel). Prints the
# median wall time over KORVEL_TIMING_RUNS runs (default 21), with /bin/true for reference, and
# the median processor time (user + system), which a busy machine changes less than the wall time.
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

median() {
  sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] }'
}

# Runs the command `runs` times; prints the median wall time and the median processor time, in ms.
median_ms() {
  local walls=() cpus=()
  local TIMEFORMAT='%U %S'
  for _ in $(seq "$runs"); do
    local start end cpu
    start=$(date +%s%N)
    cpu=$({ time "$@" > /dev/null 2>&1; } 2>&1)
    end=$(date +%s%N)
    walls+=("$(( (end - start) / 1000 ))")
    cpus+=("$(echo "$cpu" | awk '{ printf "%d", ($1 + $2) * 1000000 }')")
  done
  echo "median $(printf '%s\n' "${walls[@]}" | median | awk '{ printf "%.1f", $1 / 1000 }') ms wall," \
       "$(printf '%s\n' "${cpus[@]}" | median | awk '{ printf "%.1f", $1 / 1000 }') ms processor"
}

"$korvel" --library "$library" --play quit.scn > /dev/null # warms the font cache and the disk
echo "korvel --play (one quit line), offscreen: $(median_ms "$korvel" --library "$library" --play quit.scn) over $runs runs"
echo "/bin/true:                                $(median_ms /bin/true)"
