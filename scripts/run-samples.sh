#!/usr/bin/env bash
# Runs the command-line tool on the bundled examples against the bundled library.
set -euo pipefail
build=${1:-build/release}
cli=$build/apps/korvel-cli/korvel-cli
if [ ! -x "$cli" ]; then
  echo "korvel-cli is not built yet" >&2
  exit 1
fi
"$cli" --version
