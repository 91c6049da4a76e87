#!/usr/bin/env bash
# Sets up, builds and runs every test: once plain, once under ASan and UBSan;
# the engine's tests also under TSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1

scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
(cd build && ctest --output-on-failure -j "$(nproc)")

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTERVOX_SANITIZE=ON
(cd build-asan && ctest --output-on-failure -j "$(nproc)")

# The engine's tests once more under ThreadSanitizer: large sections are
# walked by worker threads.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVOX_SANITIZE_THREAD=ON >/dev/null
cmake --build build-tsan -j "$(nproc)" --target test_engine
(cd build-tsan/tests && TSAN_OPTIONS=halt_on_error=1 ./test_engine --gtest_brief=1)
