#!/usr/bin/env bash
# Installs what is missing, builds the game in release mode and plays it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" build/release -DCMAKE_BUILD_TYPE=Release -DTOLVEX_BUILD_TESTS=OFF -DTOLVEX_BUILD_BENCH=OFF
cd "$root"
exec "$root/build/release/tolvex"
