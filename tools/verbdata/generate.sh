#!/usr/bin/env bash
# Regenerates resources/verbs.xml from verbs.tsv, corrections.tsv and the
# pinned lexicon and frequency-list packages, then checks the result.
# Needs node (20 or later), npm, python3 and espeak-ng; fetches the pinned packages from
# the npm registry on the first run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"
npm ci --no-audit --no-fund --loglevel=error
node generate.js
python3 check.py ../../resources/verbs.xml
python3 stress.py
