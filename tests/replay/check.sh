#!/usr/bin/env bash
# Runs the replay tool on every key script of cases.txt and compares what it
# prints with expected/NAME.txt. With --update it writes the expected files.
#   check.sh REPLAY [--update]
set -euo pipefail
replay=$1
update=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$here/expected"
failed=0
count=0
while read -r name program seed keys; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  # {N}: N spaces.
  while [[ "$keys" =~ \{([0-9]+)\} ]]; do
    spaces=$(printf "%${BASH_REMATCH[1]}s" "")
    keys=${keys/"${BASH_REMATCH[0]}"/$spaces}
  done
  count=$((count + 1))
  actual=$("$replay" "$program" --keys "$keys" --seed "$seed" 2>&1 || true)
  if [[ "$update" == --update ]]; then
    printf '%s\n' "$actual" >"$here/expected/$name.txt"
  elif ! diff -u "$here/expected/$name.txt" <(printf '%s\n' "$actual") >/tmp/replay-diff.$$; then
    echo "FAILED: $name"
    cat /tmp/replay-diff.$$
    failed=$((failed + 1))
  fi
done <"$here/cases.txt"
rm -f /tmp/replay-diff.$$
[[ "$update" == --update ]] && { echo "wrote $count expected outputs"; exit 0; }
echo "$((count - failed)) passed, $failed failed"
[[ $failed -eq 0 ]]
