#!/usr/bin/env bash
# Sets up the machine, builds, and starts the editor from the project folder,
# where ReadMe.txt (Help > ReadMe) and an optional Settings.ini live.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec ./build/app/klarvon "$@"
