#!/usr/bin/env bash
# Times pendara-cli against the nearest standard tool doing the same work, side by side in one
# run, on a generated list of 1,000,000 lines of about 30 characters (in a temporary folder), and
# prints each ratio and the peak memory of both sides.
#   bench/cli_vs_tools.sh [PENDARA_CLI] [RUNS] [STREAM_GB] [ROWS]
# PENDARA_CLI defaults to build/pendara-cli; each time is the median of RUNS rounds (default 5),
# in seconds of wall-clock time, output to a file. One round runs every command once, so a change
# in the machine's load falls on all of them alike. With STREAM_GB, a filter over that many
# gigabytes from a pipe shows the memory a streamed command needs. ROWS, an extended regular
# expression, times only the rows it matches (`'^recipe'`), with cat beside them.
set -euo pipefail
cli=$(realpath "${1:-build/pendara-cli}")
runs=${2:-5}
stream_gb=${3:-0}
rows=${4:-}
[ -x "$cli" ] || { echo "cli_vs_tools: no pendara-cli at $cli" >&2; exit 2; }
export LC_ALL=C.UTF-8

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
list=$dir/list.txt

# Words like the benchmark lists: repeats and case variants, blanks at the ends of every 7th line,
# an empty line every 50th. The second list is the first with every third line in capitals.
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
awk '{ print (NR % 3 == 0 ? toupper($0) : $0) }' "$list" > "$dir/second.txt"
# Lists for the keys: fields by ';' with a signed decimal third, plain numbers, and comma-separated
# records whose first field repeats in other spellings.
awk 'BEGIN {
  srand(3); n = split("red Green blue apple CAR house key value list word Mail item stock north", w, " ")
  for (i = 0; i < 1000000; i++) {
    a = w[int(rand() * n) + 1]; b = w[int(rand() * n) + 1]; c = w[int(rand() * n) + 1]
    printf "%s %s;%s-%d;%d.%02d;%s\n", a, b, c, int(rand() * 100000), int(rand() * 100000) - 50000,
           int(rand() * 100), w[int(rand() * n) + 1]
    printf "%d.%d\n", int(rand() * 2000000) - 1000000, int(rand() * 1000) > "'"$dir/numbers.txt"'"
    printf "%s%d,%s,%d\n", (i % 3 ? a : toupper(a)), int(rand() * 50000), b, i > "'"$dir/records.txt"'"
  }
}' > "$dir/fields.txt"
# A thousand keywords, a few of which occur in the list.
awk 'BEGIN { srand(2); for (i = 0; i < 997; i++) printf "k%dz%d ", i, int(rand() * 1e6);
             printf "apple north CAR" }' > "$dir/words.txt"
tr ' ' '\n' < "$dir/words.txt" > "$dir/words.lines"
words=$(cat "$dir/words.txt")
export words

names=() ours=() tools=()
row() {  # name, pendara-cli arguments (one string), tool command (one string), [env for both]
  [ -z "$rows" ] || [ "$1" = cat ] || grep -qE -- "$rows" <<< "$1" || return 0
  names+=("$1")
  ours+=("${4:+$4 }'$cli' $2")
  tools+=("${4:+$4 }$3")
}
row add "add '#' '$list'" "sed 's/^/#/' '$list'"
row remove "remove --count 2 '$list'" "sed -E 's/^.{1,2}//' '$list'"
row replace "replace apple pear '$list'" "sed 's/apple/pear/g' '$list'"
row trim "trim '$list'" "sed 's/^ *//; s/ *\$//' '$list'"
row remove-empty "remove-empty '$list'" "grep -v '^\$' '$list'"
row number "number '$list'" "nl -ba -w1 -s'. ' '$list'"
row filter "filter --include apple --match-case '$list'" "grep -F apple '$list'"
row filter-case "filter --include apple '$list'" "grep -iF apple '$list'"
row filter-1000 "filter --any --include \"\$words\" '$list'" "grep -iF -f '$dir/words.lines' '$list'"
row merge "merge --separator '|' '$list' '$dir/second.txt'" "paste -d '|' '$list' '$dir/second.txt'"
row sort "sort '$list'" "sort -f '$list'"
# GNU sort collating by locale, the same work as ours: in en_US.UTF-8, compiled into the
# temporary folder where the system lacks it (no root needed, nothing installed).
en_us=
if locale -a 2> /dev/null | grep -qix 'en_US\.utf-\?8'; then
  en_us="env LC_ALL=en_US.UTF-8"
elif mkdir -p "$dir/locales" && localedef -i en_US -f UTF-8 "$dir/locales/en_US.UTF-8" > /dev/null 2>&1 ||
     [ -e "$dir/locales/en_US.UTF-8/LC_COLLATE" ]; then
  en_us="env LOCPATH='$dir/locales' LC_ALL=en_US.UTF-8"
fi
[ -n "$en_us" ] && row sort-en_US "sort '$list'" "sort '$list'" "$en_us"
row sort-key-n "sort -t ';' -k 3:n '$dir/fields.txt'" "sort -t ';' -k3,3n '$dir/fields.txt'"
row sort-n "sort -n '$dir/numbers.txt'" "sort -n '$dir/numbers.txt'"
row sort-key "sort -k 2 '$list'" "sort -k2,2 -f '$list'"
[ -n "$en_us" ] && row sort-key-en_US "sort -k 2 '$list'" "sort -k2,2 '$list'" "$en_us"
row dedupe-key "dedupe -k 1 -t , '$dir/records.txt'" "awk -F, '!seen[tolower(\$1)]++' '$dir/records.txt'"
row compare "compare --result different '$list' '$dir/second.txt'" \
  "sort -f '$list' > '$dir/a' && sort -f '$dir/second.txt' > '$dir/b' && comm --nocheck-order -3 '$dir/a' '$dir/b'"
# The pattern and shaping commands, each beside the tool a shell user would reach for; mixed
# is the list with accented letters, for case mapping beyond ASCII.
sed 's/e/é/g; s/o/ö/g; s/a/Å/g' "$list" > "$dir/mixed.txt"
row match-alt "match 'apple|car' '$list'" "grep -E 'apple|car' '$list'"
row match-end "match '[0-9]{3}\$' '$list'" "grep -E '[0-9]{3}\$' '$list'"
row match-I "match -I 'ReD .*key' '$list'" "grep -iE 'ReD .*key' '$list'"
row match-v "match -v 'apple|car' '$list'" "grep -vE 'apple|car' '$list'"
if command -v rg > /dev/null; then
  row rg-alt "match 'apple|car' '$list'" "rg --no-line-number 'apple|car' '$list'"
  row rg-I "match -I 'ReD .*key' '$list'" "rg --no-line-number -i 'ReD .*key' '$list'"
fi
row replace-re "replace --regex '([a-z]+)=([0-9]+)' '\\2=\\1' '$list'" \
  "sed -E 's/([a-z]+)=([0-9]+)/\\2=\\1/g' '$list'"
row extract "extract '[0-9]+' '$list'" "grep -oE '[0-9]+' '$list'"
row fields "fields 2 -t ' ' '$list'" "cut -d' ' -f2 '$list'"
row join "join -t , '$list'" "paste -sd, '$list'"
row split "split -t = '$list'" "tr = '\\n' < '$list'"
row case-ascii "case upper '$list'" "tr a-z A-Z < '$list'"
row case-mixed "case upper '$dir/mixed.txt'" "sed 's/.*/\\U&/' '$dir/mixed.txt'"
# A five-step recipe in one process, beside the same steps as five processes in a pipe and
# beside the nearest coreutils pipeline (whose dedupe and order rules differ).
printf 'trim\nremove-empty\nfilter --exclude apple\ndedupe\nsort --natural\n' > "$dir/clean.recipe"
row recipe-pipe "run '$dir/clean.recipe' '$list'" \
  "'$cli' trim '$list' | '$cli' remove-empty | '$cli' filter --exclude apple | '$cli' dedupe | '$cli' sort --natural"
row recipe-tools "run '$dir/clean.recipe' '$list'" \
  "sed 's/^[[:blank:]]*//; s/[[:blank:]]*\$//' '$list' | grep -v '^\$' | grep -viF apple | sort -Vfu"
row cat "count '$list'" "cat '$list'"

count=${#names[@]}
for ((c = 0; c < count; c++)); do : > "$dir/ours$c"; : > "$dir/tools$c"; done
: > "$dir/cat"
# Each command writes a new file: truncating the last one's output (some 15 ms for 26 MB) would
# count against whichever command comes next.
for _ in $(seq "$runs"); do
  for ((c = 0; c < count; c++)); do
    rm -f "$dir/out"
    { TIMEFORMAT=%R; time bash -c "${ours[$c]}" > "$dir/out" || true; } 2>> "$dir/ours$c"
    rm -f "$dir/out"
    { TIMEFORMAT=%R; time bash -c "${tools[$c]}" > "$dir/out" || true; } 2>> "$dir/tools$c"
  done
done
median() { sort -n "$1" | sed -n "$(( (runs + 1) / 2 ))p"; }
peak() { /usr/bin/time -f %M bash -c "exec $1" 2>&1 > /dev/null | tail -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

cat_time=$(median "$dir/tools$((count - 1))")
printf 'File: %s lines, %s bytes; median of %s rounds, seconds; peak memory in MiB; %s processors\n' \
  "$(wc -l < "$list")" "$(wc -c < "$list")" "$runs" "$(nproc)"
printf 'cat moves the file in %s s\n\n' "$cat_time"
printf '%-13s %8s %8s %6s %6s %8s %8s  %-7s %s\n' command pendara tool ratio x-cat \
  'MiB ours' 'MiB tool' output 'tool command'
for ((c = 0; c < count - 1; c++)); do
  a=$(median "$dir/ours$c")
  b=$(median "$dir/tools$c")
  same=differs
  if cmp -s <(bash -c "${ours[$c]}") <(bash -c "${tools[$c]}"); then same=same; fi
  printf '%-13s %8s %8s %6s %6s %8s %8s  %-7s %s\n' "${names[$c]}" "$a" "$b" "$(ratio "$a" "$b")" \
    "$(ratio "$a" "$cat_time")" "$(( $(peak "${ours[$c]}") / 1024 ))" \
    "$(( $(peak "${tools[$c]}") / 1024 ))" "$same" "${tools[$c]//$dir\//}"
done
[ -n "$en_us" ] || printf '%-13s %8s\n' sort-en_US skipped
echo "ratio = pendara / tool; x-cat = pendara / cat; 'differs' where the tool's rule is not the same"

if [ "$stream_gb" != 0 ]; then
  bytes=$((stream_gb * 1024 * 1024 * 1024))
  printf '\nfilter --include apple over %s GiB from a pipe: ' "$stream_gb"
  kib=$( { /usr/bin/time -f %M "$cli" filter --include apple \
             < <(yes 'red apple-12345 key=value Mail' | head -c "$bytes") > /dev/null; } 2>&1 )
  printf '%s MiB peak\n' "$((kib / 1024))"
  printf 'join over %s GiB from a pipe, one line out: ' "$stream_gb"
  kib=$( { /usr/bin/time -f %M "$cli" join \
             < <(yes 'red apple-12345 key=value Mail' | head -c "$bytes") > /dev/null; } 2>&1 )
  printf '%s MiB peak\n' "$((kib / 1024))"
fi
