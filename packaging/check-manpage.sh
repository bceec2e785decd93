#!/usr/bin/env bash
# Usage: check-manpage.sh PROGRAM PAGE [LANG]
# Checks that the manual page (roff, gzipped or not) holds every item that
# `PROGRAM --help` and `PROGRAM COMMAND --help` of each command list (the
# indented lines: commands, arguments, options, exit statuses): the item's name
# at the start of a line of the page and its description in the page, with
# nothing mangled. LANG is the language of help and page (default en).
set -euo pipefail
program=$1 page=$2 lang=${3:-en}

# The page's text without troff's font changes and escapes.
text=$(zcat -f "$page" | sed -E -e 's|\\f[BIRP]||g' -e 's|\\[,/%&:]||g' -e 's|\\-|-|g' \
                                -e 's/^\.(B|I|BR|IR|TP|SS|SH)( |$)//')
help() { env -u LANGUAGE LC_ALL=C.UTF-8 "$program" --lang "$lang" "$@" --help; }

items=0 missing=0
check() {
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
      echo "not in $(basename "$page"): $first ($*)"; missing=$((missing + 1))
    elif [ -n "$description" ] && ! grep -qF -- "$description" <<<"$text"; then
      echo "description of $first not in $(basename "$page"): $description ($*)"
      missing=$((missing + 1))
    fi
  done < <(help "$@")
}

check
# Each command's own help: the commands are the items of the English help's
# "Commands:" section, their names the words before the first argument.
commands=$(env -u LANGUAGE LC_ALL=C.UTF-8 "$program" --lang en --help \
           | sed -n '/^Commands:/,/^$/p' | sed -nE 's/^  ([a-z]+( [a-z]+)?)( [A-Z].*|  .*|)$/\1/p')
[ -n "$commands" ] || { echo "no commands found in $program --help"; exit 1; }
while IFS= read -r command; do
  read -ra words <<<"$command"
  check "${words[@]}"
done <<<"$commands"

[ "$items" -gt 0 ] || { echo "no items found in $program --help"; exit 1; }
[ "$missing" -eq 0 ] || exit 1
echo "$(basename "$page"): all $items items of --help and of each command's --help"
