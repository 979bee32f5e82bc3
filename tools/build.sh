#!/usr/bin/env bash
# Configures and builds one tree. Usage: tools/build.sh <build-dir> [cmake options...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="$root/$1"
shift
mkdir -p "$tree"
# Configure quietly; show the log only when it fails.
if ! cmake -S "$root" -B "$tree" -G Ninja "$@" > "$tree/configure.log" 2>&1; then
  cat "$tree/configure.log"
  exit 1
fi
ninja -C "$tree" -j"$(nproc)"
