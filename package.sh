#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for release (build-release/) and its Debian package with
# CPack, from the same rules as `cmake --install`. Build messages go to
# standard error; the last line of standard output is the package's path.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

# Debian's hardening flags (stack protector, fortified functions, full RELRO,
# immediate binding), as a Debian build would give them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake --preset release -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >&2
cmake --build --preset release </dev/null >&2
rm -f build-release/package/raddrizzatore_*.deb
cpack --preset release >&2
deb=$(ls build-release/package/raddrizzatore_*.deb)
echo "$PWD/$deb"
