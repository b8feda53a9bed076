#!/usr/bin/env bash
# The desktop program refuses special files at once instead of blocking on them or reading them
# without end: a scenario or library that is a device, a hop named on the command line that is a
# FIFO without a writer.
#   pipes_and_devices.sh KORVEL DATA_DIR
set -uo pipefail
korvel=$(realpath "$1")
data=$(realpath "$2")
scenarios=$(dirname "$(realpath "$0")")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/korvel32.lbr" "$work/"
cd "$work"
mkfifo PIPE.HOP
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen CUPS_SERVER="$work/no-print-server"
unset KORVEL_PROFILE LPDEST PRINTER
failed=0

# Runs KORVEL ARGS (20 s at most); fails unless it ends with STATUS and its output holds TEXT.
expect_run() {
  local status=$1 text=$2
  shift 2
  timeout 20 "$korvel" "$@" > output.txt 2>&1
  local got=$?
  if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" output.txt transcript.txt 2>/dev/null; then
    echo "== korvel $*: status $got (expected $status), expected \"$text\" in:"
    cat output.txt transcript.txt 2>/dev/null
    failed=1
  fi
  rm -f output.txt transcript.txt
}

# Mended: --play /dev/zero and --library /dev/zero read without bound (2 GB in 12 s).
expect_run 2 "cannot read the scenario /dev/zero (not a regular file)" --play /dev/zero
expect_run 2 "cannot read the scenario $work (not a regular file)" --play "$work"
expect_run 1 "Cannot open libraryfile." --library /dev/zero \
  --play "$scenarios/exit_on_start_panel.scn" --transcript transcript.txt
# Mended: a FIFO named as the hop to open blocked the program for ever.
expect_run 0 "Cannot open PIPE.HOP: not a regular file." --library korvel32.lbr \
  --play "$scenarios/exit_on_start_panel.scn" --transcript transcript.txt PIPE.HOP
exit "$failed"
