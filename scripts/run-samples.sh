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
"$cli" --version
echo
echo "### Equipment library"
"$cli" library show "$data/korvel32.lbr"
echo
echo "### Example hops"
# The examples are calculated on copies so that the built files stay as they were made.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data"/hops/*.HOP "$work"/
status=0
"$cli" --library "$data/korvel32.lbr" calc "$work"/*.HOP || status=$?
exit $status
