#!/usr/bin/env bash
# Installs every Debian package that building, running and testing forms needs.
# Quick and quiet when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential g++ cmake ninja-build ccache pkg-config
  clang clang-format libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev qt6-image-formats-plugins libgl-dev
  libgsf-1-dev libglib2.0-dev
  libfreeimage-dev
  unixodbc unixodbc-dev odbcinst libsqliteodbc odbc-postgresql
  libzint-dev
  libhunspell-dev hunspell-en-us libmythes-dev mythes-en-us
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-olefile
  poppler-utils sqlite3 shared-mime-info
  xvfb xauth xdotool
  fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
