#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "The game window is not built yet: only the game model and its tests exist so far." >&2
echo "Run 'bash scripts/test.sh' to build and test them." >&2
exit 1
