#!/usr/bin/env bash
# Builds, then takes a picture of the main window under a virtual X server:
# loaded with a folder of the test fixtures, the busy ring turning. With
# --dialogs it also takes the directory chooser and the About window, as
# OUT-chooser.png and OUT-about.png.
#
#   scripts/screenshot.sh [--dialogs] [OUT.png]     (default /tmp/quillora-window.png)
#
# BUILD_DIR names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
dialogs=0
if [ "${1:-}" = "--dialogs" ]; then dialogs=1; shift; fi
out=${1:-/tmp/quillora-window.png}
build=${BUILD_DIR:-build}

scripts/deps.sh
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j"$(nproc)" --target window-screenshot

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
album="$scratch/Some Band - 1999 - First Album"
mkdir -p "$album"
i=1
for fixture in v23.mp3 v24.mp3 plain.mp3 tagged.flac tagged.m4a tagged.ogg tagged.wma tagged.wav; do
  cp "tests/data/$fixture" "$album/$(printf '%02d' "$i") Track.${fixture##*.}"
  i=$((i + 1))
done

shoot() {
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" \
    "$build/bin/window-screenshot" "$@"
}
shoot --folder "$album" --busy "$out"
if [ "$dialogs" = 1 ]; then
  shoot --what chooser --folder "$album" "${out%.png}-chooser.png"
  shoot --what about "${out%.png}-about.png"
fi
