#!/bin/sh
# Times pendara-cli's compare and merge against the usual shell tools on the same generated
# files, side by side in one run, and prints the median of several runs for each command.
#
#   bench/merge_compare_vs_tools.sh [BUILD_DIR] [LINES] [RUNS]
#
# BUILD_DIR defaults to "build" beside the sources, LINES to 1000000, RUNS to 5.
# The tools do less than pendara-cli (no locale-aware comparison, no first-occurrence rule,
# and comm matches case-sensitively on the case-folded order of sort -f), so the comparison
# shows the cost of the exact rules, not a race between equals.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
lines=${2:-1000000}
runs=${3:-5}
[ -x "$build/pendara-cli" ] || { echo "no pendara-cli in $build; build it first" >&2; exit 1; }
PATH="$build:$PATH"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# Two lists of about 30 characters a line: words from a small vocabulary and a number, so that
# repeats occur; the second shares about half its lines with the first, a third of them in
# capitals.
awk -v n="$lines" -v seed=1 'BEGIN {
    split("red Green blue apple CAR house key value list word Mail item stock north", w, " ");
    srand(seed);
    for (i = 0; i < n; i++) {
        line = w[int(rand() * 14) + 1] " " w[int(rand() * 14) + 1] "-" int(rand() * 100000) \
               " " w[int(rand() * 14) + 1] "=" w[int(rand() * 14) + 1];
        if (i % 7 == 0) line = "  " line " ";
        printf "%s\r\n", line;
    }
}' > "$work/first.txt"
awk -v n="$lines" -v seed=2 'BEGIN {
    split("red Green blue apple CAR house key value list word Mail item stock north", w, " ");
    srand(seed);
}
{ kept[NR - 1] = $0 }
END {
    for (i = 0; i < n; i++) {
        if (i % 2 == 0) {
            line = kept[(i * 7919) % n];
            if (i % 3 == 0) line = toupper(line);
        } else {
            line = w[int(rand() * 14) + 1] " " w[int(rand() * 14) + 1] "-" int(rand() * 100000) \
                   " " w[int(rand() * 14) + 1] "=" w[int(rand() * 14) + 1];
        }
        printf "%s\n", line;
    }
}' RS='\r\n' "$work/first.txt" > "$work/second.txt"

# Median wall time in milliseconds of `runs` runs of the shell command $1.
median() {
    i=0
    : > "$work/times"
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s%N)
        sh -c "$1" > /dev/null
        end=$(date +%s%N)
        echo $(( (end - start) / 1000000 )) >> "$work/times"
        i=$((i + 1))
    done
    sort -n "$work/times" | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

row() {
    printf '%8s ms  %s\n' "$(median "$1")" "$1"
}

cd "$work"
echo "$lines lines a file, median of $runs runs, $(nproc) processors"
echo "compare:"
row "pendara-cli compare --result different first.txt second.txt"
row "pendara-cli compare --result same first.txt second.txt"
row "sort -f first.txt > a.sorted && sort -f second.txt > b.sorted && comm --nocheck-order -3 a.sorted b.sorted"
row "sort -f first.txt > a.sorted && sort -f second.txt > b.sorted && comm --nocheck-order -12 a.sorted b.sorted"
echo "merge:"
row "pendara-cli merge --separator ' | ' first.txt second.txt"
row "paste -d '|' first.txt second.txt"
row "pendara-cli merge --top-bottom first.txt second.txt"
row "cat first.txt second.txt"
