#!/usr/bin/env bash
# The Form page's commands as the user waits for them, through the scenario player offscreen:
# - Calculate to the results window refreshed: 100 presses of Calculate on LINK7 against the same
#   scenario without them; the difference of the median process times divided by 100.
# - Optimize to the combination list shown, with a library filled to its capacities (ten
#   diameters of each antenna type, eight feeder types at 7.5 GHz) on LINK7 made a space
#   diversity hop with grid antennas: the scenario with the press of Optimize (and Cancel)
#   against the same scenario without it.
# Medians over KORVEL_TIMING_RUNS runs (default 11).
#   bench/desktop/form_timing.sh BUILD_DIR      (build first: --target korvel korvel-cli sample_data)
set -euo pipefail
build=${1:-build/release}
korvel=$(realpath "$build/apps/korvel/korvel")
cli=$(realpath "$build/apps/korvel-cli/korvel-cli")
data=$(realpath "$build/data")
here=$(cd "$(dirname "$0")" && pwd)
runs=${KORVEL_TIMING_RUNS:-11}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/korvel32.lbr" "$data/hops/LINK7.HOP" "$work/"
"$cli" library build "$here/capacity_library.json" --output "$work/capacity.lbr" --force > /dev/null
cd "$work"
export QT_QPA_PLATFORM=offscreen

# Median wall time in microseconds of playing the scenario with the library `runs` times.
median_us() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$korvel" --library "$1" --play "$2" > /dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

opening='choose LINK7.HOP
click 1001
menu 105
click 1224'
printf '%s\nquit\n' "$opening" > form.scn
{ echo "$opening"; for _ in $(seq 100); do echo 'click 1224'; done; echo quit; } > calculate.scn
space='choose LINK7.HOP
click 1001
check 1115
check 1107
menu 105
click 1224'
printf '%s\nquit\n' "$space" > space.scn
printf '%s\nclick 1246\nclick 2\nquit\n' "$space" > optimize.scn

"$korvel" --library korvel32.lbr --play form.scn > /dev/null 2>&1 # warms the caches
base=$(median_us korvel32.lbr form.scn)
presses=$(median_us korvel32.lbr calculate.scn)
echo "Calculate to results refreshed: $(awk -v a="$presses" -v b="$base" 'BEGIN { printf "%.2f", (a - b) / 100 / 1000 }') ms per press (100 presses, medians of $runs runs)"
base=$(median_us capacity.lbr space.scn)
optimized=$(median_us capacity.lbr optimize.scn)
echo "Optimize at library capacity to the list shown: $(awk -v a="$optimized" -v b="$base" 'BEGIN { printf "%.1f", (a - b) / 1000 }') ms (medians of $runs runs)"
