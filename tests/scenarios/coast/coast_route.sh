#!/usr/bin/env bash
# Plays coast_route.scn through the desktop program on copies of the example route, then checks
# that korvel-cli reads the route the screens built, and the bundled route the program rewrote
# in another folder, exactly as it reads the bundled COAST.ROU.
#   coast_route.sh KORVEL KORVEL_CLI DATA_DIR
set -euo pipefail
korvel=$(realpath "$1")
cli=$(realpath "$2")
data=$(realpath "$3")
here=$(dirname "$(realpath "$0")")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/korvel32.lbr" "$work/"
mkdir "$work/built" "$work/moved"
cp "$data"/route/COAST?.HOP "$work/built/"
cp "$data"/route/COAST.ROU "$data"/route/COAST?.HOP "$work/moved/"
cd "$work"

status=0
QT_QPA_PLATFORM=offscreen "$korvel" --library korvel32.lbr --play "$here/coast_route.scn" \
  --transcript transcript.txt > output.txt 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "== coast_route.scn failed with status $status; transcript:"
  cat transcript.txt
  exit "$status"
fi

"$cli" --library korvel32.lbr route "$data/route/COAST.ROU" > bundled.txt
for folder in built moved; do
  "$cli" --library korvel32.lbr route "$folder/COAST.ROU" > "$folder.txt"
  diff -u bundled.txt "$folder.txt" || status=1
done
# The route's radio takes its threshold from the second BER column of RL7-34.
"$cli" --library korvel32.lbr hop show built/COAST1.HOP --json | grep -q '"berExponent": *-6' || {
  echo "== built/COAST1.HOP does not carry the second BER exponent"
  status=1
}
exit "$status"
