#!/usr/bin/env bash
# Installs what the project needs to build and test on Debian.
set -euo pipefail
packages=(g++ cmake make ccache qt6-base-dev libgtest-dev
          python3-numpy python3-scipy ngspice)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
