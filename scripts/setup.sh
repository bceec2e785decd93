#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test, fuzz, package and show
# the program: debian/control's Build-Depends and the tools of scripts/test.sh.
# Idempotent; run as root (or through sudo).
set -euo pipefail

packages=(
  build-essential debhelper cmake ninja-build pkg-config bash-completion clang-format-14
  qt6-base-dev qt6-serialport-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools
  libgtest-dev googletest
  clang libclang-rt-dev
  dpkg-dev file lintian appstream mandoc man-db shellcheck desktop-file-utils
  fonts-noto-cjk
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
