#!/usr/bin/env bash
# Renders the README's screen pictures with the app's own --screenshot mode, over the shipped
# verb and quiz data. The progress screen and the quiz menu show a sample learner's scores, written
# into a throw-away store; the learner's own files are never touched.
# Usage: docs/screens/make-screens.sh [BUILD_DIR]   (default: build)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build}"
app="$build/flexio"
[ -x "$app" ] || { echo "no app at $app; build it first" >&2; exit 1; }

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/data/flexio"
cat > "$home/data/flexio/defaults.json" <<'JSON'
{
    "progressDictionary": {
        "essere": 6, "avere": 4, "parlare": 3, "mangiare": 2, "andare": 1, "fare": 0,
        "venire": 0, "sapere": -1, "potere": -2, "volere": -3, "dovere": -4, "uscire": -5
    },
    "learntDictionary": { "abbracciare": true, "abitare": true, "essere": true, "parlare": true },
    "quizScoresDictionary": { "irregular-present": 93, "essere-or-avere": 67, "irregular-participles": 33 }
}
JSON

# shoot SCREEN NAME [OPTIONS...]: OPTIONS such as --size 1024x1366 or --appearance dark.
shoot() {
    local screen="$1" name="$2"
    shift 2
    QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software LANG=C.UTF-8 \
        HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
        "$app" --screenshot "$screen" "$here/$name.png" "$@" 2>/dev/null
    echo "docs/screens/$name.png"
}

tablet=(--size 1024x1366)
landscape=(--size 844x390)

shoot menu menu
shoot dictionary dictionary
shoot table:parlare verb-table
shoot progress progress
shoot settings settings
shoot info credits
shoot sheet:match game-sheet
shoot play:match play-match
shoot play:snap play-snap
shoot play:conjugation play-conjugation
shoot play:gapfill play-gapfill
shoot quizzes quizzes
shoot quiz:essere-or-avere quiz

# Tablet, landscape and the dark appearance.
shoot dictionary tablet-dictionary "${tablet[@]}"
shoot table:essere tablet-verb-table "${tablet[@]}"
shoot menu tablet-menu "${tablet[@]}"
shoot sheet:snap tablet-game-sheet "${tablet[@]}"
shoot dictionary landscape-dictionary "${landscape[@]}"
shoot sheet:conjugation landscape-game-sheet "${landscape[@]}"
shoot menu dark-menu --appearance dark
shoot table:parlare dark-verb-table --appearance dark
shoot dictionary dark-tablet-dictionary --appearance dark "${tablet[@]}"
