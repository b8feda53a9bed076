#!/usr/bin/env bash
# Whole-process wall times of korvel-cli on the built examples, measured with plain bash:
#   calc on one hop (median of 51 runs, target 10 ms, and at most twice /bin/true's time, the two
#   run by turns),
#   report hop on one hop (median of 51 runs, target 15 ms), and as a PDF (target 150 ms),
#   one calc call over 10,000 hop files (median of 5 runs, target under 1 s).
# Usage: bench/cli/cli_timing.sh BUILD_DIR   (a Release build, e.g. build/release)
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
cli=$build/apps/korvel-cli/korvel-cli
data=$build/data
runs=${KORVEL_TIMING_RUNS:-51}
batch_runs=${KORVEL_TIMING_BATCH_RUNS:-5}
batch_files=10000

if [ ! -x "$cli" ] || [ ! -f "$data/korvel32.lbr" ] || [ ! -f "$data/hops/LINK7.HOP" ]; then
  echo "korvel-cli or the sample data are not built in $build" >&2
  exit 1
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [ "$build_type" != "Release" ]; then
  echo "note: $build is a '${build_type:-unknown}' build; the targets are for Release" >&2
fi

# Everything runs on copies in a scratch folder, with relative names.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/korvel32.lbr" "$data/hops/LINK7.HOP" "$work/"
printf '[intl]\niDate=1\nsDate=.\niLzero=1\n' > "$work/profile.ini"
cd "$work"
export SOURCE_DATE_EPOCH=882921600

# Now in nanoseconds. Bash 5 reads the clock without starting a process; `date` would add its
# own process start (several ms on a busy machine) to every interval, so it is only the fallback.
# The stamp goes to REPLY, so that no subshell is started inside the measured interval either.
if [ -n "${EPOCHREALTIME:-}" ]; then
  clock_source="bash EPOCHREALTIME"
  stamp_ns() { REPLY=${EPOCHREALTIME/[.,]/}; REPLY=$((10#$REPLY * 1000)); }
else
  clock_source="date +%s%N"
  stamp_ns() { REPLY=$(date +%s%N); }
fi

# Times one run of the command into REPLY (nanoseconds), its output discarded; a failing run
# stops the script.
time_once() {
  local start
  stamp_ns
  start=$REPLY
  "$@" > /dev/null 2> /dev/null || { echo "failed: $*" >&2; exit 1; }
  stamp_ns
  REPLY=$((REPLY - start))
}

# Runs the command N times; prints the median wall time in nanoseconds.
median_ns() {
  local count=$1
  shift
  local times=()
  for ((i = 0; i < count; i++)); do
    time_once "$@"
    times+=("$REPLY")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((count + 1) / 2))p"
}

# Runs /bin/true and the command by turns, N times each, so that both meet the same load on a
# shared machine; prints the two medians in nanoseconds.
median_pair_ns() {
  local count=$1
  shift
  local reference=() times=()
  for ((i = 0; i < count; i++)); do
    time_once /bin/true
    reference+=("$REPLY")
    time_once "$@"
    times+=("$REPLY")
  done
  local middle=$(((count + 1) / 2))
  printf '%s\n' "${reference[@]}" | sort -n | sed -n "${middle}p"
  printf '%s\n' "${times[@]}" | sort -n | sed -n "${middle}p"
}

# Prints one figure against its target (both in nanoseconds), in milliseconds.
report() {
  local label=$1 measured=$2 target=$3 verdict
  if [ "$measured" -le "$target" ]; then verdict="within target"; else verdict="TARGET MISSED"; fi
  awk -v label="$label" -v m="$measured" -v t="$target" -v v="$verdict" \
    'BEGIN { printf "%-44s %9.2f ms   (target %6.0f ms, %s)\n", label, m / 1e6, t / 1e6, v }'
}

# Starting any process costs something; /bin/true shows how much on this machine.
{ read -r clock_ns; read -r calc_ns; } < <(median_pair_ns "$runs" "$cli" --library korvel32.lbr calc LINK7.HOP)
# Each report goes to a file of its own, as a planner's report usually does; replacing one file
# again and again (--force) also waits for the file system to flush the replaced data.
report_count=0
report_to_new_file() {
  report_count=$((report_count + 1))
  "$cli" --library korvel32.lbr --profile profile.ini \
    report hop LINK7.HOP --lang en --format text --output "R$report_count.txt"
}
report_ns=$(median_ns "$runs" report_to_new_file)
pdf_count=0
pdf_to_new_file() {
  pdf_count=$((pdf_count + 1))
  "$cli" --library korvel32.lbr --profile profile.ini \
    report hop LINK7.HOP --lang en --format pdf --output "R$pdf_count.pdf"
}
pdf_ns=$(median_ns "$runs" pdf_to_new_file)
replace_ns=$(median_ns "$runs" "$cli" --library korvel32.lbr --profile profile.ini \
  report hop LINK7.HOP --lang en --format text --output LINK7.txt --force)

# 10,000 copies of the example, made by a few tee processes of 500 names each.
seq -f 'H%05g.HOP' 0 $((batch_files - 1)) |
  xargs -n 500 sh -c 'tee "$@" < LINK7.HOP > /dev/null' sh
batch_ns=$(median_ns "$batch_runs" "$cli" --library korvel32.lbr calc H*.HOP)

echo "korvel-cli timings ($("$cli" --version), ${build_type:-unknown} build, $(nproc) cores," \
  "clock: $clock_source, load average: $(cut -d' ' -f1-3 /proc/loadavg))"
awk -v m="$clock_ns" 'BEGIN { printf "%-44s %9.2f ms\n", "/bin/true, process start for reference", m / 1e6 }'
report "calc, one hop (median of $runs)" "$calc_ns" 10000000
awk -v m="$calc_ns" -v c="$clock_ns" 'BEGIN {
  v = (m <= 2 * c) ? "within target" : "TARGET MISSED"
  printf "%-44s %9.2f x    (target %6.0f x, %s)\n", "calc, one hop, over /bin/true (run by turns)", m / c, 2, v }'
report "report hop, text, new file (median of $runs)" "$report_ns" 15000000
report "report hop, text, --force over one file" "$replace_ns" 15000000
report "report hop, pdf, new file (median of $runs)" "$pdf_ns" 150000000
report "calc over $batch_files hop files (median of $batch_runs)" "$batch_ns" 1000000000
