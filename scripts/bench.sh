#!/usr/bin/env bash
# Builds and runs the recolouring benchmark once under Wine; its last line holds the figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh --quiet RimtoneBench Rimtone
# Other work on the machine shows in the figures: say how busy it was.
echo "load average before the run: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
scripts/with-wine.sh build wine build/bin/bench/RimtoneBench.exe
