#!/usr/bin/env bash
# Fails when a file under src/ includes a folder that its own folder may not use. The table is
# the layering: each folder may include itself and the folders listed after it, all of them
# lower. The compiler holds the other boundary: the rules library has no Qt include path.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A may=(
  [os]=""
  [text]="os"
  [list]="text os"
  [files]="list text os"
  [commands]="files list text os"
  [keys]="compare list text os"
  [patterns]="text os"
  [shaping]="text os"
  [platform]="files list text os"
  [window]="platform files list text os"
  [main_list]="window platform commands files list text os"
  [batch]="main_list window platform commands patterns files list text os"
  [merge]="main_list window platform commands files list text os"
  [compare]="main_list window platform commands files list text os"
  [extras]="main_list window platform files list text os"
  [support]="main_list window platform files list text os"
  [catalogue]="batch merge compare keys patterns shaping commands files list text os"
  [cli]="commands files list text os"
  [app]="catalogue batch merge compare extras support main_list window platform commands files list text os"
)

failed=0
while IFS= read -r file; do
  folder=${file#src/}
  folder=${folder%%/*}
  [ -n "${may[$folder]+set}" ] || { echo "$file: folder '$folder' has no row in scripts/check-layers.sh"; failed=1; continue; }
  while IFS= read -r used; do
    [ "$used" = "$folder" ] && continue
    case " ${may[$folder]} " in *" $used "*) continue ;; esac
    echo "$file includes $used/, which $folder/ may not use"
    failed=1
  done < <(sed -n 's|^#include "\([a-z_]*\)/.*|\1|p' "$file" | sort -u)
done < <(git ls-files 'src/*.cpp' 'src/*.h' | grep -v '^src/[^/]*$')
[ "$failed" -eq 0 ] && echo "layers: every include goes to a lower folder"
exit "$failed"
