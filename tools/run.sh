#!/usr/bin/env bash
# Installs what is needed, builds, creates the embedded database on first use
# (folder run/, account admin / admin), puts the help file beside it and starts
# the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
mkdir -p run
cd run
../build/db/wygl-setup --if-new
# The help file is read from the working folder, beside the database.
cp ../help/help.html .
exec ../build/src/wygl
