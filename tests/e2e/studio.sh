#!/usr/bin/env bash
# Records a whole category through the real studio window, driven by its keys, with the
# microphone read from a prepared file by SDL's disk audio driver; then checks the files
# with the player's own checks.
# Usage: tests/e2e/studio.sh BUILD_FOLDER   (holding lumora-studio, lumora-datacheck, the
# content folders and the test suite)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/session.sh" /usr/bin/python3 "$here/studio_e2e.py" "$(realpath "$1")"
