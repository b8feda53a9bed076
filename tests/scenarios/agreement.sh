#!/usr/bin/env bash
# The desktop program and korvel-cli agree on every example hop: a hop calculated on the Form
# page and saved holds what `korvel-cli calc --save` stores for that file; likewise RainCalc with
# `rain --save` and the first "*" line of Optimize with `optimize --choose -1 --save`.
#   agreement.sh KORVEL KORVEL_CLI DATA_DIR
set -euo pipefail
korvel=$(realpath "$1")
cli=$(realpath "$2")
data=$(realpath "$3")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/korvel32.lbr" "$work/"
cp "$data"/hops/*.HOP "$work/"
cd "$work"

failed=0
# play NAME: the scenario on standard input, which ends by saving NAME.HOP.
play() {
  cat > "$1.scn"
  if ! QT_QPA_PLATFORM=offscreen "$korvel" --library korvel32.lbr --play "$1.scn" \
      --transcript "$1.txt" > /dev/null 2>&1; then
    echo "== $1: the scenario failed"; cat "$1.txt"; failed=1
  fi
}
# agree NAME CLI-ARGS...: a copy of the hop the scenario opened, worked on by korvel-cli, is the
# file the desktop program saved.
agree() {
  local name=$1 source=$2; shift 2
  cp "$source" "$name.CLI"
  "$cli" --library korvel32.lbr "$@" "$name.CLI" > /dev/null 2>&1 || true
  if ! cmp -s "$name.HOP" "$name.CLI"; then
    echo "== $name: the desktop program saved other results than korvel-cli $*"; failed=1
  fi
}
# Opens the hop on the Form page; LINK2's branching loss lies outside its normal limits, and the
# note is accepted once before the work starts.
opening() {
  printf 'choose %s.HOP\nclick 1001\nmenu 105\n' "$1"
  if [ "$1" = LINK2 ]; then printf 'click 1224\nclick 1\n'; fi
}

for hop in LINK7 LINK15SD LINK23FD LINK2 OLDLINK13; do
  { opening "$hop"; printf 'click 1224\nchoose %s.HOP\nmenu 113\nquit\n' "$hop-CALC"; } | play "$hop-CALC"
  # The file as the desktop program reads it back, so both sides start from the same hop.
  agree "$hop-CALC" "$hop-CALC.HOP" calc --save
  { opening "$hop"; printf 'click 1246\nselect 1700 15\nclick 1\nchoose %s.HOP\nmenu 113\nquit\n' \
      "$hop-OPT"; } | play "$hop-OPT"
  agree "$hop-OPT" "$hop-CALC.HOP" optimize --choose -1 --save
  if [ "$hop" != LINK2 ]; then
    { opening "$hop"
      printf 'click 1247\ntype 2002 42\ncheck 2000\nclick 2005\nclick 1\nchoose %s.HOP\nmenu 113\nquit\n' \
        "$hop-RAIN"; } | play "$hop-RAIN"
    agree "$hop-RAIN" "$hop-CALC.HOP" rain --rate 42 --polarization horizontal --save
  fi
done
exit "$failed"
