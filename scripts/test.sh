#!/usr/bin/env bash
# Sets up the machine, builds, checks that every C++ file follows .clang-format, and runs
# every test: the Linux build through ctest, its Debian package installed and run
# (scripts/test-package.sh), then the Windows build under Wine (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cmake --build build --target format-check
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash scripts/test-package.sh
bash scripts/test-windows.sh
