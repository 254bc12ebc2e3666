#!/usr/bin/env bash
# Sets up the machine, builds the editor and the companion (nothing else: no tests, no
# benchmarks), and starts the editor from the project folder, where ReadMe.txt
# (Help > ReadMe) and an optional Settings.ini live.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The same configuration as scripts/build.sh, so build/ serves this script and the tests
# alike and neither configures it anew for the other; only the two programs are built.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target klarvon klarvon-cli
exec ./build/app/klarvon "$@"
