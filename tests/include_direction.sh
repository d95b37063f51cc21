#!/usr/bin/env bash
# The source folders point one way: app uses the others; quiz and answer use data and sound;
# sound uses data; data uses nothing above it. The learning record (record) uses data only and
# knows no window: app owns it and carries the hooks of the other folders to it. Only the
# window's handlers reach up, through app/Form1.h. The tools use the data folder only; the
# recording studio also uses sound, so that a teacher hears a take through the program's own
# playback, as a learner will, and the data check decodes each recording as the player does.
# Usage: include_direction.sh SOURCE_ROOT
set -uo pipefail
cd "${1:?source root}"

status=0
# forbid FOLDER ABOVE [EXEMPT]: any include in FOLDER of a folder matching ABOVE, except EXEMPT.
forbid() {
  local folder=$1 above=$2 exempt=${3:-^$}
  local found
  found=$(grep -rnE "#include \"($above)/" "$folder" | grep -vE "$exempt")
  if [[ -n $found ]]; then
    echo "$found"
    echo "^ $folder includes a folder above it" >&2
    status=1
  fi
}

handlers='#include "app/Form1.h"'
forbid src/data 'app|quiz|answer|sound|record' "$handlers"
forbid src/record 'app|quiz|answer|sound'
forbid src/sound 'app|quiz|answer' "$handlers"
forbid src/quiz 'app|answer' "$handlers"
forbid src/answer 'app|quiz' "$handlers"
forbid tools 'app|quiz|answer|sound|record' \
  '^tools/(studio/[^:]*|datacheck/DataCheck\.cpp):[0-9]+:#include "sound/'
exit $status
