#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build-fuzz and runs each
# for SECONDS, two at a time (the machine has two cores).
#
#   ./fuzz.sh [--add] SECONDS [TARGET...]
#
# TARGET is memtable, ini, favourites or engine; all four when none is named.
# New inputs go to build-fuzz/corpus/<target>, crashes to
# build-fuzz/artifacts/<target>/. With --add, the new inputs that reach code
# the committed corpus does not are merged into tests/fuzz/corpus/<target>.
# ./test.sh replays the committed corpus without clang.
set -euo pipefail
cd "$(dirname "$0")"

add=0
if [ "${1:-}" = "--add" ]; then add=1; shift; fi
if ! [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
seconds=$1; shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(memtable ini favourites engine)

scripts/deps.sh
# clang and its fuzzer runtime, needed here only: the replay in ./test.sh is
# built with the normal compiler.
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

build=build-fuzz
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
# The build runs a tool of its own; its exit-time leak report is not a finding.
export ASAN_OPTIONS=detect_leaks=0
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUILLORA_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fno-omit-frame-pointer -fsanitize=fuzzer-no-link $sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz-}"
unset ASAN_OPTIONS
export UBSAN_OPTIONS=print_stacktrace=1

run() {  # run TARGET: one libFuzzer run of SECONDS
  local target=$1 scratch=$build/corpus/$1 artifacts=$build/artifacts/$1/
  mkdir -p "$scratch" "$artifacts"
  "$build/bin/fuzz-$target" "$scratch" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts" >"$build/$target.log" 2>&1
}

failed=()
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pids=()
  for target in "${targets[@]:i:2}"; do
    echo "Fuzzing $target for $seconds s (log: $build/$target.log)"
    run "$target" & pids+=($!)
  done
  for j in "${!pids[@]}"; do
    target=${targets[i + j]}
    if wait "${pids[j]}"; then
      grep -E "^stat::number_of_executed_units|^Done" "$build/$target.log" | sed "s/^/  $target: /"
    else
      failed+=("$target")
      echo "  $target FAILED; see $build/$target.log and $build/artifacts/$target/"
    fi
  done
done

if [ $add -eq 1 ]; then
  for target in "${targets[@]}"; do
    "$build/bin/fuzz-$target" -merge=1 "tests/fuzz/corpus/$target" "$build/corpus/$target" \
      >"$build/$target.merge.log" 2>&1
    echo "Merged new inputs of $target into tests/fuzz/corpus/$target"
  done
fi

[ ${#failed[@]} -eq 0 ] || { echo "Failed: ${failed[*]}"; exit 1; }
