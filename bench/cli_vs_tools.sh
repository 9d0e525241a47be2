#!/usr/bin/env bash
# Times pendara-cli against the nearest standard tool doing the same work, side by side, on a
# generated list of 1,000,000 lines of about 30 characters (written to a temporary folder).
#   bench/cli_vs_tools.sh [PENDARA_CLI] [RUNS]
# PENDARA_CLI defaults to build/pendara-cli; each figure is the median of RUNS runs
# (default 5), in seconds of wall-clock time, output to a file (grep stops at the first match
# when its output is /dev/null).
set -euo pipefail
cli=$(realpath "${1:-build/pendara-cli}")
runs=${2:-5}
[ -x "$cli" ] || { echo "cli_vs_tools: no pendara-cli at $cli" >&2; exit 2; }
export LC_ALL=C.UTF-8

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
list=$dir/list.txt

# Words like the benchmark lists: repeats and case variants, blanks at the ends of every 7th line,
# an empty line every 50th.
awk 'BEGIN {
  srand(1); n = split("red Green blue apple CAR house key value list word Mail item stock north", w, " ")
  for (i = 0; i < 1000000; i++) {
    line = w[int(rand() * n) + 1] " " w[int(rand() * n) + 1] "-" int(rand() * 100000) " " \
           w[int(rand() * n) + 1] "=" w[int(rand() * n) + 1]
    if (i % 7 == 0) line = "  " line " "
    if (i % 50 == 0) line = ""
    print line
  }
}' > "$list"

median() {  # median of RUNS timings of "$@"
  local times=() t
  for _ in $(seq "$runs"); do
    t=$( { TIMEFORMAT=%R; time "$@" > "$dir/out"; } 2>&1 )
    times+=("$t")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

compare() {  # name, tool command (one string), then the pendara-cli arguments
  local name=$1 tool=$2; shift 2
  local same=differs
  if cmp -s <("$cli" "$@" "$list") <(bash -c "$tool" < "$list"); then same=same; fi
  printf '%-48s %9s %9s   %-7s %s\n' "pendara-cli $*" "$(median "$cli" "$@" "$list")" \
    "$(median bash -c "$tool < '$list'")" "$same" "$tool"
}

printf 'File: %s lines, %s bytes; median of %s runs, seconds\n\n' \
  "$(wc -l < "$list")" "$(wc -c < "$list")" "$runs"
printf '%-48s %9s %9s   %-7s %s\n' "command" "pendara" "tool" "output" "tool command"
compare add "sed 's/^/#/'" add '#'
compare remove "sed -E 's/^.{1,2}//'" remove --count 2
compare replace "sed 's/apple/pear/g'" replace apple pear
compare filter "grep -F apple" filter --include apple --match-case
compare filter-case "grep -iF apple" filter --include apple
compare remove-empty "grep -v '^\$'" remove-empty
