#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail
PACKAGES=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev qt6-base-dev-tools qt6-5compat-dev libqt6sql6-sqlite libqt6svg6
  libgtest-dev libgmock-dev
  libquazip1-qt6-dev
  sqlite3 libsqlite3-dev fonts-liberation fonts-dejavu-core
  qt6-translations-l10n
  poppler-utils xvfb xauth
  locales
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Runs an apt-get command; while another installation holds the package
# manager's lock, says so and waits for it instead of failing.
apt_wait() {
  local waited=0 out rc
  while true; do
    set +e
    out=$(DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=0 "$@" 2>&1)
    rc=$?
    set -e
    if [ $rc -eq 0 ]; then
      printf '%s\n' "$out" | tail -n 3
      return 0
    fi
    if printf '%s' "$out" | grep -qiE 'could not get lock|unable to (acquire|lock)|is another process using it|dpkg frontend lock'; then
      if [ $waited -ge 1800 ]; then
        echo "install-deps: the package manager is still locked after $((waited / 60)) minutes; giving up." >&2
        return 1
      fi
      [ $waited -eq 0 ] && echo "install-deps: another installation is running (apt/dpkg lock held); waiting for it to finish..."
      sleep 10
      waited=$((waited + 10))
      continue
    fi
    printf '%s\n' "$out" >&2
    return $rc
  done
}

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "install-deps: installing ${missing[*]}"
  apt_wait update
  apt_wait install -y --no-install-recommends "${missing[@]}"
fi

# The users work under German locales: the test suite runs a second time under
# de_DE.UTF-8, so that locale must exist. localedef only when it is missing.
if ! locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO localedef -i de_DE -c -f UTF-8 -A /usr/share/locale/locale.alias de_DE.UTF-8
fi
