#!/usr/bin/env bash
# Installs the Debian packages the system needs to build, run and test.
# Idempotent: packages already present are not installed again.
#   --with-server   also the PostgreSQL server (CI runs the tests against it)
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql
          libsqlite3-dev libpq-dev libgl-dev fonts-arphic-ukai fonts-arphic-uming qt6-translations-l10n)
if [[ "${1:-}" == "--with-server" ]]; then
  packages+=(postgresql)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if (( ${#missing[@]} )); then
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q "${missing[@]}"
fi
