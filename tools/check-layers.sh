#!/usr/bin/env bash
# Checks that the layers of src/ point down (see src/CMakeLists.txt):
# - every include names its folder ("fees/Sk.h"), never a path going up ("../");
# - the build's guard is in place: a templates file that includes the frame
#   (app/) does not compile, while its include of the session below it does.
# Usage: tools/check-layers.sh <build folder>
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if grep -rnE '#include *"\.\./' src; then
  echo "layers: an include above climbs out of its folder; name the folder instead" >&2
  exit 1
fi

out=$(LC_ALL=C cmake --build "$build" --target wygl_layer_probe 2>&1 || true)
if grep -q 'session/Session.h' <<<"$out" || ! grep -q 'error: app/Main.h' <<<"$out"; then
  echo "$out" >&2
  echo "layers: the include guard did not stop an include going up a layer" >&2
  exit 1
fi
echo "layers: every include points down"
