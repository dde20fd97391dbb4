#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-5compat-dev libqt6sql6-sqlite libqt6svg6
  libgtest-dev libgmock-dev
  libquazip1-qt6-dev libfreexl-dev
  sqlite3 libsqlite3-dev fonts-liberation fonts-dejavu-core
  poppler-utils xvfb xauth
  locales
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The users work under German locales: the test suite runs a second time under
# de_DE.UTF-8, so that locale must exist. localedef only when it is missing.
if ! locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO localedef -i de_DE -c -f UTF-8 -A /usr/share/locale/locale.alias de_DE.UTF-8
fi
