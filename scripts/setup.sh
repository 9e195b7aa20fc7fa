#!/usr/bin/env bash
# Installs the Debian packages Varnel needs to build, test and run, when they are missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    libboost-dev libpcre2-dev libdivsufsort-dev
    qt6-base-dev libgl-dev
    libcli11-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    fp-utils libchm-dev librsvg2-bin
    desktop-file-utils appstream man-db dpkg-dev
    nodejs perl python3 sed
    diffutils patch
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Varnel needs these Debian packages: ${missing[*]}" >&2
    echo "Install them as root: apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
