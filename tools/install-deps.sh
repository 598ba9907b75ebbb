#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need; apt only runs when one is
# missing. Set ORVELLE_EXTRA_PACKAGES for more (CI adds the fuzzing compiler), or name the
# packages as arguments to install only those.
set -euo pipefail
packages=("$@")
[ $# -gt 0 ] || packages=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev xvfb xauth xdotool xclip x11-utils imagemagick fonts-liberation2 fonts-dejavu-core
          trayer poppler-utils python3 python3-dateutil valgrind ${ORVELLE_EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
