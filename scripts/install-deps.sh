#!/usr/bin/env bash
# Installs the Debian packages that building, testing and playing need, when
# any is missing: as root directly, otherwise through sudo, otherwise it prints
# the apt-get line to run and fails. Packages given as arguments are needed too.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-multimedia-dev qt6-qpa-plugins qt6-wayland weston fonts-liberation2
    qt6-l10n-tools qt6-translations-l10n desktop-file-utils appstream dpkg-dev file xdg-utils
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    echo "These packages are missing and installing them needs root. Run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
