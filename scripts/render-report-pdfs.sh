#!/usr/bin/env bash
# Writes the example reports as PDFs with korvel-cli and renders their page to PNG, to look at:
#   scripts/render-report-pdfs.sh BUILD_DIR OUTPUT_DIR
# gives OUTPUT_DIR/report_hop_en.png (LINK15SD), report_hop_fr.png (LINK23FD) and
# report_route_en.png (COAST), beside the PDFs.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR OUTPUT_DIR" >&2
  exit 2
fi
cli=$1/apps/korvel-cli/korvel-cli
data=$1/data
out=$2
mkdir -p "$out"
korvel() { "$cli" --library "$data/korvel32.lbr" "$@" --force; }

korvel report hop "$data/hops/LINK15SD.HOP" --lang en --format pdf --output "$out/report_hop_en.pdf"
korvel report hop "$data/hops/LINK23FD.HOP" --lang fr --format pdf --output "$out/report_hop_fr.pdf"
korvel report route "$data/route/COAST.ROU" --lang en --format pdf --output "$out/report_route_en.pdf"
for pdf in "$out"/report_*.pdf; do
  pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$pdf" "${pdf%.pdf}"
done
