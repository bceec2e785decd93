#!/usr/bin/env bash
# Usage: check-manpage.sh PROGRAM PAGE.1.gz
# Checks that the manual page holds every item that `PROGRAM --help` lists (the
# indented lines: commands, report kinds, options): the item's name at the start
# of a line of the page and its description in the page, with nothing mangled.
set -euo pipefail
program=$1 page=$2

# The page's text without troff's font changes and escapes.
text=$(zcat "$page" | sed -E -e 's|\\f[BIRP]||g' -e 's|\\[,/%&]||g' -e 's|\\-|-|g' \
                             -e 's/^\.(B|I|BR|IR|TP|SS|SH)( |$)//')
help=$(env -u LANGUAGE LC_ALL=C.UTF-8 "$program" --help)

items=0 missing=0
while IFS= read -r line; do
  # An item: two to four blanks, its name, then after two or more blanks its
  # description (if on the same line).
  [[ $line =~ ^\ {2,4}([^ ].*)$ ]] || continue
  entry=${BASH_REMATCH[1]}
  name=${entry%%  *}
  description=""
  [[ $entry == *"  "* ]] && description=$(sed -E 's/^ +//' <<<"${entry#*  }")
  first=${name%% *}
  items=$((items + 1))
  if ! grep -qE "^\\[?$(sed 's/[][\.*^$+?(){}|/]/\\&/g' <<<"$first")( |\\]|$)" <<<"$text"; then
    echo "not in $(basename "$page"): $first"; missing=$((missing + 1))
  elif [ -n "$description" ] && ! grep -qF -- "$description" <<<"$text"; then
    echo "description of $first not in $(basename "$page"): $description"; missing=$((missing + 1))
  fi
done <<<"$help"

[ "$items" -gt 0 ] || { echo "no items found in $program --help"; exit 1; }
[ "$missing" -eq 0 ] || exit 1
echo "$(basename "$page"): all $items items of --help"
