#!/bin/sh
# Runs every benchmark program in the given folder.
bin=${1:?usage: run-all.sh BIN_DIR}
status=0
for b in "$bin"/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" || status=1
done
exit $status
