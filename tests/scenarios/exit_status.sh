#!/usr/bin/env bash
# The desktop program's exit status tells the truth about a scenario run: a scenario that is not
# a file, a transcript that is lost and a picture or transcript aimed into a missing folder all
# fail, with a message, and no folder is made for them.
#   exit_status.sh KORVEL DATA_DIR
set -uo pipefail
korvel=$(realpath "$1")
data=$(realpath "$2")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/korvel32.lbr" "$work/"
cd "$work"
export XDG_CONFIG_HOME="$work/config" CUPS_SERVER="$work/no-print-server" QT_QPA_PLATFORM=offscreen
unset KORVEL_PROFILE

failed=0
# expect_failure WHAT ARGS...: korvel ARGS must exit non-zero and say something on stderr.
expect_failure() {
  local what=$1; shift
  "$korvel" --library korvel32.lbr "$@" > out.txt 2> err.txt
  local status=$?
  if [ "$status" -eq 0 ]; then
    echo "FAIL: $what: exit status 0"; failed=1
  elif [ ! -s err.txt ] && ! grep -qs FAILED out.txt transcript.txt; then
    echo "FAIL: $what: exit status $status without a word"; failed=1
  fi
  rm -f out.txt err.txt transcript.txt
}

printf 'quit\n' > quit.scn
"$korvel" --library korvel32.lbr --play quit.scn > /dev/null 2>&1 ||
  { echo "FAIL: a scenario of one quit line did not pass"; failed=1; }

# Fixed: a folder played as an empty scenario, and a lost transcript went unnoticed (both 0).
mkdir folder.scn
expect_failure "--play FOLDER" --play folder.scn
expect_failure "--transcript /dev/full" --play quit.scn --transcript /dev/full
# Fixed: a picture into a missing folder made the folder.
printf 'screenshot missing/dir/x.png\nquit\n' > picture.scn
expect_failure "screenshot into a missing folder" --play picture.scn --transcript transcript.txt
expect_failure "--transcript into a missing folder" --play quit.scn --transcript gone/t.txt
for made in missing gone; do
  [ -e "$made" ] && { echo "FAIL: the folder $made was made"; failed=1; }
done
exit "$failed"
