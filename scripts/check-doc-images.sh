#!/usr/bin/env bash
# Every picture the documents show must be there: the images of README.md and docs/*.md
# (Markdown ![...](path) and HTML src="path", relative to the document), and the
# screenshots the software centres' metadata names, which are published from docs/images/.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=0
checked=0
check() { # check DOCUMENT PATH
  checked=$((checked + 1))
  if [ ! -f "$2" ]; then
    echo "$1 shows $2, which does not exist" >&2
    missing=$((missing + 1))
  fi
}

for document in README.md docs/*.md; do
  folder=$(dirname "$document")
  while IFS= read -r target; do
    case $target in
    http://* | https://*) continue ;;
    esac
    check "$document" "$folder/${target%%#*}"
  done < <(grep -oE '!\[[^]]*\]\([^) ]+|src="[^"]+' "$document" | sed -E 's/^!\[[^]]*\]\(//; s/^src="//')
done
while IFS= read -r name; do
  check packaging/klarvon.metainfo.xml "docs/images/$name"
done < <(grep -oE '@KLARVON_IMAGES_URL@/[^<]+' packaging/klarvon.metainfo.xml | sed 's#.*/##')

if [ "$checked" -eq 0 ]; then
  echo "no pictures found in the documents: the check itself is broken" >&2
  exit 1
fi
if [ "$missing" -ne 0 ]; then
  exit 1
fi
echo "document pictures: all $checked there"
