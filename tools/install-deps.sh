#!/usr/bin/env bash
# Installs the Debian packages a make target needs, or says which apt-get line would.
# Usage: tools/install-deps.sh GROUP...   (groups: build test e2e bench package)
set -euo pipefail

packages_for() {
    case "$1" in
        build)   echo cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-wayland fonts-dejavu-core ;;
        test)    echo clang libclang-rt-14-dev libgtest-dev libgmock-dev desktop-file-utils appstream dpkg-dev lintian python3 locales ;;
        e2e)     echo xvfb xdotool xclip x11-utils imagemagick weston dbus at-spi2-core python3-pyatspi ;;
        bench)   echo libbenchmark-dev libmuparser-dev xvfb x11-apps libxcb-damage0-dev ;;
        package) echo dpkg-dev ;;
        *)       echo "install-deps: unknown group '$1'" >&2; exit 2 ;;
    esac
}

wanted=()
for group in "$@"; do
    for package in $(packages_for "$group"); do
        wanted+=("$package")
    done
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$package")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
