#!/usr/bin/env bash
# Renders the README's screen pictures with the app's own --screenshot mode, over the shipped
# verb and quiz data. The progress screen, the quiz menu and the review drill show a sample
# learner's scores, answers and missed forms, written into a throw-away store; the learner's own
# files are never touched.
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
    "quizScoresDictionary": { "irregular-present": 93, "essere-or-avere": 67, "irregular-participles": 33 },
    "mistakeLog": {
        "andare#PRES#0": {"right":6,"wrong":2,"answers":[]},
        "venire#PRES#1": {"right":8,"wrong":1,"answers":[]},
        "fare#PRES#2": {"right":2,"wrong":1,"answers":[]},
        "andare#PRES#3": {"right":9,"wrong":0,"answers":[]},
        "mangiare#PRES#4": {"right":12,"wrong":0,"answers":[]},
        "parlare#PRES#5": {"right":7,"wrong":1,"answers":[]},
        "fare#IMP#0": {"right":12,"wrong":1,"answers":[]},
        "venire#IMP#1": {"right":11,"wrong":2,"answers":[]},
        "prendere#IMP#2": {"right":8,"wrong":1,"answers":[]},
        "essere#IMP#3": {"right":11,"wrong":2,"answers":[]},
        "avere#IMP#4": {"right":10,"wrong":4,"answers":[]},
        "essere#IMP#5": {"right":9,"wrong":1,"answers":[]},
        "essere#PASTHIST#0": {"right":8,"wrong":5,"answers":[]},
        "prendere#PASTHIST#1": {"right":4,"wrong":7,"answers":[]},
        "avere#PASTHIST#2": {"right":2,"wrong":3,"answers":[]},
        "parlare#PASTHIST#3": {"right":3,"wrong":3,"answers":[]},
        "prendere#PASTHIST#4": {"right":3,"wrong":4,"answers":[]},
        "parlare#PASTHIST#5": {"right":4,"wrong":0,"answers":[]},
        "prendere#FUT#0": {"right":7,"wrong":3,"answers":[]},
        "andare#FUT#1": {"right":2,"wrong":2,"answers":[]},
        "andare#FUT#2": {"right":11,"wrong":3,"answers":[]},
        "essere#FUT#3": {"right":8,"wrong":3,"answers":[]},
        "venire#FUT#4": {"right":2,"wrong":1,"answers":[]},
        "parlare#FUT#5": {"right":8,"wrong":3,"answers":[]},
        "andare#COND#0": {"right":6,"wrong":2,"answers":[]},
        "avere#COND#1": {"right":8,"wrong":3,"answers":[]},
        "andare#COND#2": {"right":10,"wrong":4,"answers":[]},
        "mangiare#COND#3": {"right":4,"wrong":1,"answers":[]},
        "venire#COND#4": {"right":4,"wrong":2,"answers":[]},
        "andare#COND#5": {"right":10,"wrong":1,"answers":[]},
        "fare#PERF#0": {"right":1,"wrong":3,"answers":[]},
        "fare#PERF#1": {"right":4,"wrong":3,"answers":[]},
        "parlare#PERF#2": {"right":6,"wrong":3,"answers":[]},
        "andare#PERF#3": {"right":8,"wrong":5,"answers":[]},
        "avere#PERF#4": {"right":3,"wrong":2,"answers":[]},
        "avere#PERF#5": {"right":4,"wrong":3,"answers":[]},
        "prendere#PLUP#0": {"right":6,"wrong":5,"answers":[]},
        "essere#PLUP#1": {"right":4,"wrong":2,"answers":[]},
        "essere#PLUP#2": {"right":2,"wrong":1,"answers":[]},
        "fare#PLUP#3": {"right":1,"wrong":2,"answers":[]},
        "prendere#PLUP#4": {"right":9,"wrong":3,"answers":[]},
        "parlare#PLUP#5": {"right":5,"wrong":0,"answers":[]},
        "parlare#SUBJ|PRES#0": {"right":4,"wrong":0,"answers":[]},
        "venire#SUBJ|PRES#1": {"right":2,"wrong":5,"answers":[]},
        "venire#SUBJ|PRES#2": {"right":2,"wrong":6,"answers":[]},
        "prendere#SUBJ|PRES#3": {"right":3,"wrong":11,"answers":[]},
        "avere#SUBJ|PRES#4": {"right":3,"wrong":1,"answers":[]},
        "fare#SUBJ|PRES#5": {"right":3,"wrong":7,"answers":[]},
        "mangiare#SUBJ|IMP#0": {"right":1,"wrong":5,"answers":[]},
        "andare#SUBJ|IMP#1": {"right":4,"wrong":9,"answers":[]},
        "mangiare#SUBJ|IMP#2": {"right":5,"wrong":9,"answers":[]},
        "prendere#SUBJ|IMP#3": {"right":3,"wrong":4,"answers":[]},
        "mangiare#SUBJ|IMP#4": {"right":2,"wrong":3,"answers":[]},
        "prendere#SUBJ|IMP#5": {"right":2,"wrong":8,"answers":[]},
        "andare#PERF#0": {"right":1,"wrong":2,"answers":[{"at":0,"right":false,"given":"ho andato"}]},
        "prendere#PASTHIST#0": {"right":0,"wrong":1,"answers":[{"at":0,"right":false,"given":"prendei"}]},
        "parlare#PRES#3": {"right":2,"wrong":1,"answers":[{"at":0,"right":false,"given":"parlaimo"}]}
    },
    "reviewSchedule": {
        "andare#PERF#0": {"due":1000,"stability":0.212,"difficulty":6.4133,"state":1,"step":0,"reps":1,"lapses":0,"lastReview":0},
        "prendere#PASTHIST#0": {"due":2000,"stability":0.212,"difficulty":6.4133,"state":1,"step":0,"reps":1,"lapses":0,"lastReview":0},
        "parlare#PRES#3": {"due":3000,"stability":0.212,"difficulty":6.4133,"state":1,"step":0,"reps":1,"lapses":0,"lastReview":0}
    }
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
shoot menu:goal menu-goal
shoot dictionary dictionary
shoot table:parlare verb-table
shoot progress progress
shoot settings settings
shoot info credits
shoot sheet:match game-sheet
# Every game the app lists (one per row of its table of games), dealt, then played to its result.
for screen in $("$app" --screenshot | grep '^play:[a-z]*$'); do
    shoot "$screen" "play-${screen#play:}"
    shoot "result:${screen#play:}" "result-${screen#play:}"
done
shoot play:conjugation:typed play-conjugation-typed
shoot quizzes quizzes
shoot play:quiz:essere-or-avere quiz
shoot review review
shoot "review:ho andato" review-mistake
shoot progress:grid accuracy-grid

# Tablet, landscape and the dark appearance.
shoot dictionary tablet-dictionary "${tablet[@]}"
shoot table:essere tablet-verb-table "${tablet[@]}"
shoot menu tablet-menu "${tablet[@]}"
shoot menu:goal tablet-menu-goal "${tablet[@]}"
shoot sheet:snap tablet-game-sheet "${tablet[@]}"
shoot dictionary landscape-dictionary "${landscape[@]}"
shoot sheet:conjugation landscape-game-sheet "${landscape[@]}"
shoot menu dark-menu --appearance dark
shoot table:parlare dark-verb-table --appearance dark
shoot dictionary dark-tablet-dictionary --appearance dark "${tablet[@]}"
