#!/usr/bin/env bash
# Plays one scenario through the desktop program, offscreen, on copies of the sample library,
# example hops and example route in a temporary folder, which is the program's working folder.
#   run_scenario.sh KORVEL DATA_DIR SCENARIO [PICTURES_DIR [FILE]]
# PICTURES_DIR (may be empty) receives the screenshots the scenario took. FILE, relative to the
# working folder, is named on the command line as the file to open at start. When SCENARIO.transcript exists beside
# the scenario, the transcript must equal it. The transcript is printed when the scenario fails.
set -euo pipefail
korvel=$(realpath "$1")
data=$(realpath "$2")
scenario=$(realpath "$3")
pictures=${4:-}
opened=()
[ -n "${5:-}" ] && opened=("$5")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/korvel32.lbr" "$work/"
cp -r "$data/hops" "$work/hops"
cp -r "$data/route" "$work/route"
cd "$work"

# The user's own profile and print queues stay out of the tests: no printer, unless the caller
# runs a print server of its own for them (tests/printing/private_cups.py).
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset KORVEL_PROFILE
if [ -z "${KORVEL_TEST_PRINT_SERVER:-}" ]; then
  export CUPS_SERVER="$work/no-print-server"
  unset LPDEST PRINTER
fi

status=0
# KORVEL_TEST_SCREEN names an offscreen screen's layout (tests/scenarios/screens/) when the
# default small screen would hide what the scenario checks.
platform=offscreen
[ -n "${KORVEL_TEST_SCREEN:-}" ] && platform="offscreen:configfile=$KORVEL_TEST_SCREEN"
QT_QPA_PLATFORM=$platform "$korvel" --library korvel32.lbr --play "$scenario" \
  --transcript transcript.txt "${opened[@]}" > output.txt 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "== $(basename "$scenario") failed with status $status; transcript:"
  cat transcript.txt
  echo "== program output:"
  cat output.txt
fi
expected=${scenario%.scn}.transcript
if [ "$status" -eq 0 ] && [ -f "$expected" ] && ! diff -u "$expected" transcript.txt; then
  echo "== $(basename "$scenario"): the transcript differs from $(basename "$expected")"
  status=1
fi
if [ -n "$pictures" ]; then
  mkdir -p "$pictures"
  find . -maxdepth 1 -name '*.png' -exec cp {} "$pictures/" \;
fi
exit "$status"
