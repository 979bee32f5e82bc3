#!/usr/bin/env bash
# Configures and builds one tree. Usage: tools/build.sh <build-dir> [cmake options...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="$1"
shift
cmake -S "$root" -B "$root/$tree" -G Ninja "$@" > "$root/$tree.configure.log" 2>&1 || {
  cat "$root/$tree.configure.log"
  exit 1
}
rm -f "$root/$tree.configure.log"
ninja -C "$root/$tree" -j"$(nproc)"
