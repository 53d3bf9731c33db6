#!/usr/bin/env bash
# Opens the compiled help file and checks that every page of docs/help is in it and in its table
# of contents, and that the table of contents points at nothing that is missing.
#   check-help.sh Corvane.chm docs/help
set -euo pipefail
chm=$1; sources=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
extract_chmLib "$chm" "$work/out" >/dev/null
toc="$work/out/Corvane.hhc"
[ -s "$toc" ] || { echo "no table of contents in $chm"; exit 1; }
status=0
for page in "$sources"/*.html; do
  name=$(basename "$page")
  [ -f "$work/out/$name" ] || { echo "$name is not in $chm"; status=1; }
  grep -q "value=\"$name\"" "$toc" || { echo "$name is not in the table of contents"; status=1; }
  cmp -s "$page" "$work/out/$name" || { echo "$name in $chm differs from its source"; status=1; }
done
for linked in $(grep -o 'name="Local" value="[^"]*"' "$toc" | sed 's/.*value="//; s/"$//'); do
  [ -f "$work/out/$linked" ] || { echo "the table of contents names $linked, which is missing"; status=1; }
done
grep -q 'Default topic=index.html' "$sources/Corvane.hhp" && [ -f "$work/out/index.html" ] || status=1
[ $status -eq 0 ] && echo "help file holds all $(ls "$sources"/*.html | wc -l) pages"
exit $status
