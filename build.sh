#!/usr/bin/env bash
# StrativM build entry point.
#   ./build.sh run     install what is missing, build (Release) and start the program on its demo well
#   ./build.sh test    install what is missing, build with AddressSanitizer + UBSan, run every test
#   ./build.sh bench   build the benchmarks (Release) and run them
#   ./build.sh build   build (Release) only
#   ./build.sh fuzz [target|all] [seconds]
#                      build the fuzz targets (clang-15, libFuzzer, ASan + UBSan) and run each over its seeds
#                      and past faults, then on fresh inputs for the seconds given (20 by default)
set -euo pipefail
cd "$(dirname "$0")"
here=$(pwd)
jobs=$(nproc)
# ccache keys on paths relative to this folder, so another clone of the repository (CI's, a second work
# tree) reuses what this one compiled.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}

generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi

configure() {  # dir, extra cmake args...
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "${generator[@]}" "$@"
  else
    cmake -S . -B "$dir" "$@" >/dev/null
  fi
}

cmd=${1:-run}
case "$cmd" in
  run)
    bash scripts/install-deps.sh
    configure build/release -DCMAKE_BUILD_TYPE=Release -DSTRATIVM_TESTS=OFF
    cmake --build build/release -j "$jobs" --target strativm
    shift || true
    exec "$here/build/release/src/strativm" "$@"
    ;;
  build)
    bash scripts/install-deps.sh
    configure build/release -DCMAKE_BUILD_TYPE=Release -DSTRATIVM_TESTS=OFF
    cmake --build build/release -j "$jobs"
    ;;
  test)
    bash scripts/install-deps.sh
    configure build/asan -DCMAKE_BUILD_TYPE=Debug -DSTRATIVM_SANITIZE=ON -DSTRATIVM_TESTS=ON
    cmake --build build/asan -j "$jobs"
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
    export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/scripts/lsan.supp:print_suppressions=0}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
    cd build/asan
    ctest --output-on-failure --no-tests=error -j "$jobs" "${@:2}"
    ;;
  bench)
    bash scripts/install-deps.sh
    configure build/bench -DCMAKE_BUILD_TYPE=Release -DSTRATIVM_TESTS=OFF -DSTRATIVM_BENCH=ON
    cmake --build build/bench -j "$jobs"
    for b in build/bench/bench/bench_*; do
      [ -f "$b" ] && [ -x "$b" ] || continue
      echo "== $(basename "$b")"
      QT_QPA_PLATFORM=offscreen "$b" "${@:2}"
    done
    ;;
  fuzz)
    bash scripts/install-deps.sh
    configure build/fuzz -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS=-O1" -DCMAKE_CXX_COMPILER=clang++-15 \
      -DSTRATIVM_FUZZ=ON -DSTRATIVM_TESTS=OFF
    cmake --build build/fuzz -j "$jobs" --target fuzz_all
    exec bash scripts/fuzz.sh build/fuzz/fuzz "${2:-all}" "${3:-20}"
    ;;
  *)
    echo "usage: $0 run|test|bench|build|fuzz" >&2
    exit 2
    ;;
esac
