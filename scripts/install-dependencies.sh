#!/usr/bin/env bash
# Installs the Debian 12 packages Ring Glory needs to build, run and test, skipping
# those already present. Runs apt-get as root, or through sudo for another user.
# With --screenshots also what scripts/screenshots.sh needs to drive and capture windows;
# with --package also what scripts/package-check.sh needs to build and check the .deb.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins qt6-translations-l10n libgl-dev
    fonts-noto-cjk fonts-ipafont-gothic
    xvfb xauth
    desktop-file-utils appstream
)
for option in "$@"; do
    case "$option" in
        --screenshots) packages+=(xdotool imagemagick) ;;
        --package) packages+=(lintian man-db file binutils) ;;
        *) echo "install-dependencies.sh: unknown option $option" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "All build and test packages are installed."
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
