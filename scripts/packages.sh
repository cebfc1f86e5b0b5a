# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh and test.sh: installs the Debian packages that are
# missing, when we are root; otherwise tells what to run.

# needPackages PACKAGE...
needPackages() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them as root, then run this command again:" >&2
        echo "    sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    # Standard output and input stay the program's (./run.sh --verifica < in.csv).
    echo "Installing ${missing[*]} ..." >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq </dev/null >&2
    apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null
}

# libcsv-dev: the RFC 4180 reader and writer of the command-line mode.
# qt6-translations-l10n: Qt's own texts (context menus, file dialog) in the
# user's language.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev fonts-liberation2 libcsv-dev qt6-translations-l10n)
TEST_PACKAGES=(googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick libx11-dev)
# dpkg-dev: dpkg-shlibdeps and dpkg-buildflags for ./package.sh; file: CPack
# tells binaries apart with it. The rest check the package
# (scripts/package-check.sh): lintian, desktop-file-validate, appstreamcli
# and pdfinfo/pdfimages (poppler-utils) for the PDF's pages and images.
PACKAGE_PACKAGES=(dpkg-dev file)
PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils appstream poppler-utils)
# libsleef-dev: SLEEF's vector sin, cos and exp for the sample loop.
BUILD_PACKAGES+=(libsleef-dev)
# time: /usr/bin/time -v, the whole-process figures of scripts/benchmarks.sh.
BENCH_PACKAGES=(time)
# locales-all: it_IT.UTF-8, under which the tests read the system's reason
# for a failed save in Italian.
TEST_PACKAGES+=(locales-all)
