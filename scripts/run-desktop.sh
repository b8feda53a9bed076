#!/usr/bin/env bash
# Starts the desktop program on copies of the bundled library and example hops; the copies'
# folder is its working folder, so MODIFY OLD HOP finds the hops under hops/.
set -euo pipefail
build=${1:-build/release}
korvel=$(realpath "$build/apps/korvel/korvel")
data=$(realpath "$build/data")
if [ ! -x "$korvel" ]; then
  echo "korvel is not built yet" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/korvel32.lbr" "$work/"
cp -r "$data/hops" "$data/route" "$work/"
cd "$work"
echo "Working folder: $work (removed when the program ends)"
"$korvel" --library korvel32.lbr
