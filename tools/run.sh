#!/usr/bin/env bash
# Installs what is needed, builds, creates the embedded database on first use
# (folder run/, account admin / admin) and starts the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
mkdir -p run
cd run
../build/db/wygl-setup --if-new
exec ../build/src/wygl
