#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for release (build-release/) and its Debian package with
# CPack, from the same rules as `cmake --install`. Build messages go to
# standard error; the last line of standard output is the package's path.
#
#   ./package.sh               for this machine (amd64, or arm64 on a Raspberry Pi)
#   ./package.sh --arch arm64  cross-built on amd64 for arm64 (build-release-arm64/)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
arch=$(dpkg --print-architecture)
if [ "${1:-}" = "--arch" ] && [ $# -eq 2 ]; then
    arch=$2
elif [ $# -ne 0 ]; then
    echo "Usage: $0 [--arch arm64]" >&2
    exit 64
fi
preset=release
if [ "$arch" != "$(dpkg --print-architecture)" ]; then
    if [ "$arch" != arm64 ]; then
        echo "Cross-building is for arm64 only, not $arch." >&2
        exit 64
    fi
    preset=release-arm64
    needArchitecture arm64
    needPackages "${ARM64_PACKAGES[@]}"
    # dpkg-buildflags and dpkg-shlibdeps (which CPack runs) work for arm64:
    # the flags of that architecture, the dependencies on its libraries.
    eval "$(dpkg-architecture -a arm64 -s 2>/dev/null)"
    # The icon renderer runs under QEMU, with multiarch's loader
    # (cmake/aarch64-linux-gnu.cmake).
    unset QEMU_LD_PREFIX
fi
needPackages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

# Debian's hardening flags (stack protector, fortified functions, full RELRO,
# immediate binding), as a Debian build would give them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake --preset $preset -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >&2
cmake --build --preset $preset </dev/null >&2
dir=build-$preset/package
rm -f "$dir"/raddrizzatore_*.deb
cpack --preset $preset >&2
deb=$(ls "$dir"/raddrizzatore_*_"$arch".deb)
echo "$PWD/$deb"
