#!/usr/bin/env bash
# Builds the app (installing the Debian packages it needs first) and starts it.
# Arguments go to the app, e.g. `tools/run-app.sh conjugate essere`.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/bootstrap.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLEXIO_BUILD_TESTS=OFF
cmake --build build --parallel "$(nproc)"
exec ./build/flexio "$@"
