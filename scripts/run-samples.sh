#!/usr/bin/env bash
# Runs the command-line tool on the bundled examples against the bundled library.
set -euo pipefail
build=${1:-build/release}
cli=$build/apps/korvel-cli/korvel-cli
data=$build/data
if [ ! -x "$cli" ]; then
  echo "korvel-cli is not built yet" >&2
  exit 1
fi
korvel() { "$cli" --library "$data/korvel32.lbr" "$@"; }

# The examples are worked on copies so that the built files stay as they were made.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$data/hops" "$data/route" "$work/"

"$cli" --version
echo
echo "### Equipment library"
"$cli" library show "$data/korvel32.lbr"
echo
echo "### Example hops"
korvel calc "$work"/hops/*.HOP
echo
echo "### Cheapest antennas and feeders for LINK7"
korvel optimize "$work/hops/LINK7.HOP"
echo
echo "### Rain on LINK23FD at 42 mm/h, horizontal polarization"
korvel rain "$work/hops/LINK23FD.HOP" --rate 42 --polarization horizontal
echo
echo "### Route COAST"
korvel route "$work/route/COAST.ROU"
echo
echo "### Hop performance report of LINK23FD"
korvel report hop "$work/hops/LINK23FD.HOP" --lang en --format text --output "$work/LINK23FD.txt"
tr -d '\r' < "$work/LINK23FD.txt" | iconv -f WINDOWS-1252 -t UTF-8
echo
echo "### Route outage table of COAST"
korvel report route "$work/route/COAST.ROU" --lang en --format text --output "$work/COAST.txt"
tr -d '\r' < "$work/COAST.txt" | iconv -f WINDOWS-1252 -t UTF-8
