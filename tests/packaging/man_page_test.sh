#!/usr/bin/env bash
# The manual page of pendara-cli as built, against the program's own help: every command, and
# every option of each command, must be described there.
set -euo pipefail
cli=$1
page=$2
failures=0
# The page's text with roff's escaped dashes plain.
text=$(sed 's/\\-/-/g' "$page")
commands=$("$cli" --help | sed -n '/^Commands:/,$p' | awk 'NR > 1 { print $1 }')
[ -n "$commands" ] || { echo "no commands in --help"; exit 1; }
for command in $commands; do
  grep -qF -- "\\fB$command\\fR" <<< "$text" ||
    { echo "no entry for the command $command"; failures=$((failures + 1)); }
  # Options as the command's help lists them: "-r, --reverse", "    --crlf".
  for option in $("$cli" "$command" --help | sed -n '/^Options:/,$p' |
      grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "\\fB$option\\fR" <<< "$text" ||
      { echo "$command: $option is not described"; failures=$((failures + 1)); }
  done
done
echo "$failures failures"
[ "$failures" -eq 0 ]
