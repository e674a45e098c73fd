#!/usr/bin/env bash
# Installs the Debian packages Kvadrix needs to build, test and run, when missing.
# Sourced by run.sh and test.sh.
kvadrix_packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev xvfb xauth cups cups-filters poppler-utils fonts-liberation2
  qt6-translations-l10n lintian desktop-file-utils appstream
)

kvadrix_install_deps() {
  local missing=()
  local p
  for p in "${kvadrix_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installerer manglende pakker: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
