#!/usr/bin/env bash
# Sets up the machine, builds, checks that every C++ file follows .clang-format and that
# every picture the documents show is there (scripts/check-doc-images.sh), and runs
# every test: the Linux build through ctest, its Debian package installed and run
# (scripts/test-package.sh), the Windows build under Wine (scripts/test-windows.sh), then
# the sanitizer build (clang, in ./build-asan, without the editor): the core's and the
# companion's suites once more under AddressSanitizer and UndefinedBehaviorSanitizer, and
# every fuzz target for 20 seconds (fuzz/run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cmake --build build --target format-check
bash scripts/check-doc-images.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash scripts/test-package.sh
bash scripts/test-windows.sh
CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLARVON_SANITIZE=ON \
  -DKLARVON_FUZZ=ON -DKLARVON_BUILD_EDITOR=OFF -DKLARVON_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$(nproc)"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
bash fuzz/run.sh build-asan 20
