#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need; with
# --program only those that building and running the program need. Calls apt only
# when something is missing.
set -euo pipefail

# What building and running the program needs.
packages=(
    build-essential cmake ninja-build pkg-config git ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
    libsqlite3-dev libpq-dev libcurl4-openssl-dev ca-certificates qtkeychain-qt6-dev
    qt6-webengine-dev qt6-webengine-dev-tools qt6-charts-dev fonts-dejavu-core
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
# What the tests, benchmarks and checks need besides: GoogleTest and Google Benchmark,
# the test servers, Xvfb, a window manager and the accessibility bus, the format checker, and the Debian
# package's builder and its checker (lintian), and the validators of the desktop files.
if [ "${1:-}" != "--program" ]; then
    packages+=(
        libgtest-dev libgmock-dev googletest libbenchmark-dev
        sqlite3 postgresql-15 poppler-utils unzip xvfb xauth time
        python3 python3-pyftpdlib python3-openssl python3-spyne python3-paramiko python3-feedparser
        python3-pyatspi at-spi2-core dbus dbus-x11 openbox x11-utils clang-format
        dpkg-dev file lintian desktop-file-utils appstream man-db
    )
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
