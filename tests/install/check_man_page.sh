#!/usr/bin/env bash
# Keeps a man page in step with its program's --help: every option the help names is in the man
# page and every option the man page names is in the help. With --commands the program has
# subcommands: each must have its own .SS section, and their help (PROGRAM help COMMAND) counts too.
# usage: check_man_page.sh MAN_PAGE PROGRAM [--commands]
set -euo pipefail
man_page=$1
program=$2
with_commands=${3:-}

help=$("$program" --help)
commands=()
if [ "$with_commands" = --commands ]; then
  # The usage lists each command as "  NAME ARGUMENTS" under "commands:".
  mapfile -t commands < <(sed -n '/^commands:/,$p' <<<"$help" | sed -n 's/^  \([a-z][a-z-]*\)\( .*\)\?$/\1/p')
  [ ${#commands[@]} -gt 0 ] || { echo "no commands found in $program --help"; exit 1; }
  for command in "${commands[@]}"; do help+=$'\n'$("$program" help "$command"); done
fi

# Options as written: --word-word or -x, standing alone (not inside a word like "built-in").
options_in() { grep -oE -- '(^|[^[:alnum:]-])--?[a-z][a-z-]*' | sed -E 's/^[^-]*//' | sed -E 's/-+$//' | sort -u; }
# The man page's text without its escapes: "\-" is a hyphen, "\fB" and friends change the font.
man_text=$(sed -E 's/\\-/-/g; s/\\f[BIRP]//g; s/\\\(..//g' "$man_page")

failed=0
missing_from_man=$(comm -23 <(options_in <<<"$help") <(options_in <<<"$man_text"))
missing_from_help=$(comm -13 <(options_in <<<"$help") <(options_in <<<"$man_text"))
if [ -n "$missing_from_man" ]; then
  echo "$man_page lacks options that $program --help names:" $missing_from_man
  failed=1
fi
if [ -n "$missing_from_help" ]; then
  echo "$man_page names options that $program --help does not:" $missing_from_help
  failed=1
fi

if [ ${#commands[@]} -gt 0 ]; then
  sections=$(sed -n 's/^\.SS "\?\([a-z][a-z-]*\).*/\1/p' <<<"$man_text" | sort -u)
  listed=$(printf '%s\n' "${commands[@]}" | sort -u)
  if [ "$sections" != "$listed" ]; then
    echo "the .SS sections of $man_page do not match the commands of $program --help"
    diff <(echo "$listed") <(echo "$sections") || true
    failed=1
  fi
fi
exit $failed
