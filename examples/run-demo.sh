#!/bin/sh
# Runs the demo in a fresh application-data folder under out/: the module script (transcript
# kept), then the dimensioned plan that chain_plan builds, opened in zhost with the modules
# loaded and written as a host drawing, DXF and SVG.
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
"$bin/chain_plan" "$out/appdata" "$out/demo-plan.dwg"
"$bin/zhost" --appdata "$out/appdata" --open "$out/demo-plan.dwg" --save "$out/demo.dwg" \
  --dxf "$out/demo.dxf" --svg "$out/demo.svg" "$here/plan-view.scr" | tee "$out/plan-transcript.txt"
echo
echo "Transcripts: $out/demo-transcript.txt, $out/plan-transcript.txt"
echo "Plan: $out/demo.dwg, $out/demo.dxf, $out/demo.svg; settings written: $out/appdata/quillbar/zenkora/Zenkora.ini"
