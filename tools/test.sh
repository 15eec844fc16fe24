#!/usr/bin/env bash
# Installs what is needed, builds and runs the whole test suite.
# Tests run on SQLite; set WYGL_TEST_CONN to a PostgreSQL connection line
# (e.g. "Provider=PostgreSQL;Data Source=127.0.0.1;Port=5432;User ID=postgres")
# to run them on a server instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
