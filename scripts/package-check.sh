#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CI: builds the Debian package, checks it with Debian's and freedesktop's
# tools, then runs the program unpacked from it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages "${PACKAGE_CHECK_PACKAGES[@]}"

deb=$(./package.sh | tail -n 1)
id=it.raddrizzatore.Raddrizzatore
version=$(sed -n 's/^project(Raddrizzatore VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
fail() {
    echo "package-check: $*" >&2
    exit 1
}

# Warnings are shown; an error fails.
lintian --fail-on error "$deb"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml"

program="$unpacked/usr/bin/raddrizzatore"
[ "$("$program" --version)" = "$version" ] || fail "--version does not print $version"
# A smoke run: the suite checks the numbers.
row=$(printf 'Vp,f,C,R,N\n10,50,11,2000,10000\n' | "$program" --verifica | tail -n 1)
[[ "$row" == 10,50,11,2000,10000,?.??E+??,?.??E+??,?.??E+??,* ]] || fail "--verifica wrote: $row"
# The graph as a PDF: one page, no raster image, well under a megabyte.
printf 'Vp,f,C,R,N,Np\n10,50,11,2000,10000,4\n' | "$program" --grafico "$unpacked/grafico.pdf"
pdfinfo "$unpacked/grafico.pdf" | grep -q '^Pages: *1$' || fail "the PDF has not one page"
[ "$(pdfimages -list "$unpacked/grafico.pdf" | wc -l)" -eq 2 ] || fail "the PDF holds an image"
[ "$(stat -c %s "$unpacked/grafico.pdf")" -lt 1000000 ] || fail "the PDF is 1 MB or more"
echo "package-check: $(basename "$deb") passes lintian, desktop-file-validate and appstreamcli"
