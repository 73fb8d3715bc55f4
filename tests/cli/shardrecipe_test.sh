#!/usr/bin/env bash
# The many-machines recipe of docs/SCALE.md, run here: GNU parallel starts
# four workers, each given its --shard, over one tree of 2,000 small files.
# Every file must be converted exactly once, and the reports together must
# name exactly the files of the tree.
set -euo pipefail
convert=$1
command -v parallel >/dev/null || { echo "GNU parallel is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

for folder in $(seq 0 19); do
  mkdir -p "texts/box $folder"
  for file in $(seq 0 99); do
    # The same names in every folder: --keep-tree keeps them apart.
    printf '第%d行 line %d\n' "$file" "$file" > "texts/box $folder/note-$file.txt"
  done
done
: > empty.ini

seq 0 3 | parallel --will-cite -j 4 "$convert" --settings empty.ini -q -r --keep-tree \
  --shard {}/4 --report report-{}.jsonl -o out texts

find texts -name '*.txt' | sort > expected
python3 - <<'PY'
import json, glob, os
rows = [json.loads(line) for name in sorted(glob.glob("report-*.jsonl")) for line in open(name)]
inputs = sorted(row["input"] for row in rows)
assert inputs == open("expected").read().splitlines(), "reports differ from the tree"
assert all(row["status"] == "converted" for row in rows), "not every file converted"
outputs = [row["output"] for row in rows]
assert len(set(outputs)) == len(outputs) == 2000, "a PDF made twice"
made = sorted(os.path.join(d, f) for d, _, files in os.walk("out") for f in files)
assert made == sorted(outputs), "the folder differs from the reports"
PY
echo "2000 files, each converted once by one of four shards"
