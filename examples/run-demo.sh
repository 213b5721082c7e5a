#!/bin/sh
# Runs the demo script in a fresh application-data folder under out/ and keeps its transcript.
set -e
bin=${1:?usage: run-demo.sh BIN_DIR}
here=$(cd "$(dirname "$0")" && pwd)
out=out
rm -rf "$out/appdata"
mkdir -p "$out/appdata/quillbar/zenkora"
# An installation puts the parameter descriptions into the user's data folder.
cp "$bin/DimParam.ini" "$out/appdata/quillbar/zenkora/"
"$bin/zhost" --appdata "$out/appdata" "$here/demo.scr" | tee "$out/demo-transcript.txt"
echo
echo "Transcript: $out/demo-transcript.txt; settings written: $out/appdata/quillbar/zenkora/Zenkora.ini"
