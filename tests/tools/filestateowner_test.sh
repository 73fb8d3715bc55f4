#!/usr/bin/env bash
# Fails when the process-wide file state (signal handlers, the registry of
# temporary files, the folders already swept) is compiled into more than
# one of the files a process loads. Two copies each install handlers and
# keep a registry of their own, and work together only by chance.
# Usage: filestateowner_test.sh FILE... (the programs and the libraries
# they load)
set -euo pipefail
declare -A defined
for file in "$@"; do
  defined[$file]=$(nm -C "$file" | grep -E '^[0-9a-f]+ [Tt] ' | grep -vF '[clone' || true)
done
faults=0
for symbol in 'TemporaryFileRegistry::remember(' 'installHandlers()' 'StaleFileSweep::sweepOnce('; do
  owners=()
  for file in "$@"; do
    if [[ ${defined[$file]} == *"$symbol"* ]]; then
      owners+=("$(basename "$file")")
    fi
  done
  if [ "${#owners[@]}" -ne 1 ]; then
    echo "$symbol is defined in ${#owners[@]} files: ${owners[*]:-none}"
    faults=$((faults + 1))
  fi
done
echo "filestateowner: $# files, $faults symbols without exactly one owner"
[ "$faults" -eq 0 ]
