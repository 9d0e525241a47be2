#!/usr/bin/env bash
# Times pendara-cli dedupe against the standard tools that drop repeated lines ignoring case, side
# by side in one run, on a generated list of 1,000,000 lines of about 30 characters (written to a
# temporary folder).
#   bench/list_commands_vs_tools.sh [PENDARA_CLI] [RUNS]
# PENDARA_CLI defaults to build/pendara-cli; each figure is the median of RUNS runs (default 5),
# in seconds of wall-clock time, output to a file. `sort -fu` also sorts, so only the number of
# lines each one keeps is compared.
set -euo pipefail
cli=$(realpath "${1:-build/pendara-cli}")
runs=${2:-5}
[ -x "$cli" ] || { echo "list_commands_vs_tools: no pendara-cli at $cli" >&2; exit 2; }
export LC_ALL=C.UTF-8

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
list=$dir/list.txt

# Words like the benchmark lists, blanks at the ends of every 7th line; every 3rd line repeats an
# earlier one, every 6th in capitals, so that there is something to drop.
awk 'BEGIN {
  srand(1); n = split("red Green blue apple CAR house key value list word Mail item stock north", w, " ")
  for (i = 0; i < 1000000; i++) {
    if (i % 3 == 2) {
      line = kept[int(rand() * i / 3)]
      if (i % 6 == 5) line = toupper(line)
    } else {
      line = w[int(rand() * n) + 1] " " w[int(rand() * n) + 1] "-" int(rand() * 100000) " " \
             w[int(rand() * n) + 1] "=" w[int(rand() * n) + 1]
      if (i % 7 == 0) line = "  " line " "
      kept[int(i / 3)] = line
    }
    print line
  }
}' > "$list"

# One round times each command once, so that a change in the machine's load between commands
# falls on all of them alike; each figure is the median over the rounds.
commands=("$cli dedupe '$list'" "sort -fu '$list'" "awk '!seen[tolower(\$0)]++' '$list'")
names=("pendara-cli dedupe" "sort -fu" "awk '!seen[tolower(\$0)]++'")
for c in 0 1 2; do : > "$dir/times$c"; done
for _ in $(seq "$runs"); do
  for c in 0 1 2; do
    { TIMEFORMAT=%R; time bash -c "${commands[$c]}" > "$dir/out"; } 2>> "$dir/times$c"
  done
done
median() { sort -n "$dir/times$1" | sed -n "$(( (runs + 1) / 2 ))p"; }
kept() { bash -c "${commands[$1]}" | wc -l; }

ours=$(median 0)
printf 'File: %s lines, %s bytes; median of %s runs, seconds, %s processors\n\n' \
  "$(wc -l < "$list")" "$(wc -c < "$list")" "$runs" "$(nproc)"
printf '%-30s %9s %9s %7s   %s\n' "tool" "tool" "pendara" "ratio" "lines kept (tool/pendara)"
for c in 1 2; do
  theirs=$(median "$c")
  printf '%-30s %9s %9s %7s   %s/%s\n' "${names[$c]}" "$theirs" "$ours" \
    "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }')" "$(kept "$c")" "$(kept 0)"
done
echo "pendara = pendara-cli dedupe; ratio = pendara / tool"
