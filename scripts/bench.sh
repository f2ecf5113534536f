#!/usr/bin/env bash
# Measures the conversion's speed against a plain copy and the word-at-a-time design, natively and
# for Windows under Wine, then its peak memory on a 16 MiB and a 1 GiB file (natively).
# Needs about 2 GiB of free space in the temporary directory; everything made there is removed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset bench >/dev/null
cmake --build --preset bench --target quorvane_bench
cmake --preset windows >/dev/null
cmake --build --preset windows --target quorvane_bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo
echo "== native ($(uname -m))"
build/bench/bench/quorvane_bench "$work"

echo
echo "== Windows i686 under Wine"
# Wine sees the Unix file system as drive Z:. Its console ends lines with CR LF.
scripts/wine-run build/windows/bench/quorvane_bench.exe "Z:${work//\//\\}" >"$work/wine.out" 2>&1 ||
  { cat "$work/wine.out"; exit 1; }
tr -d '\r' <"$work/wine.out"

echo
echo "== peak resident memory of one conversion (native)"
peak_kib() {
  head -c "$2" /dev/urandom >"$work/$1.bin"
  /usr/bin/time -f %M -o "$work/$1.rss" build/bench/bench/quorvane_bench --convert "$work/$1.bin"
  rm -f "$work/$1.bin" "$work/$1chg.bin"
  cat "$work/$1.rss"
}
small=$(peak_kib small $((16 << 20)))
large=$(peak_kib large $((1 << 30)))
echo "16 MiB file: $small KiB; 1 GiB file: $large KiB; difference $((large - small)) KiB (goal: within 1024 KiB)"
