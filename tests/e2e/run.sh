#!/usr/bin/env bash
# Drives the real lumora window as a learner would: an X server without a screen, the
# desktop accessibility bus, real key presses and SDL's disk audio driver.
# Usage: tests/e2e/run.sh path/to/lumora   (the content folders lie beside the program)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$(realpath "$1")"
# Debian's python3-pyatspi belongs to the system interpreter.
bash "$here/session.sh" /usr/bin/python3 "$here/window_e2e.py" "$program" "${@:2}"
