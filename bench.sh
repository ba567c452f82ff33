#!/usr/bin/env bash
# Builds quillora-bench (Release with debug info, in build-bench) and runs it.
# Arguments go to the program: --quick for smaller folders, --keep to keep
# the temporary library.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-bench -j"$(nproc)" --target quillora-bench AudioGenie3
export QT_QPA_PLATFORM=offscreen
exec build-bench/bin/quillora-bench "$@"
