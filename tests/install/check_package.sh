#!/usr/bin/env bash
# Builds the Debian package from the build with CPack and lists it: the files it installs and the
# control fields a packager checks.
#     check_package.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (package dpkg-dev); the Debian package cannot be built and listed"
        exit 77
    fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; exit 1; }
package=$(find "$out" -maxdepth 1 -name '*.deb')
[ -n "$package" ] || { echo "FAIL: cpack made no .deb" >&2; cat "$out/cpack.log" >&2; exit 1; }
echo "$(basename "$package")"
listing=$(dpkg-deb -c "$package")
echo "$listing"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
for path in ./usr/lib/varnel/varnel ./usr/lib/varnel/Help.chm ./usr/lib/varnel/license.html \
    ./usr/bin/varnel-cli ./usr/share/applications/dev.sorvexa.Varnel.desktop \
    ./usr/share/metainfo/dev.sorvexa.Varnel.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/dev.sorvexa.Varnel.svg \
    ./usr/share/icons/hicolor/48x48/apps/dev.sorvexa.Varnel.png \
    ./usr/share/man/man1/varnel-cli.1.gz ./usr/share/man/man1/varnel.1.gz \
    ./usr/share/doc/varnel/copyright; do
    grep -q " $path\$" <<<"$listing" || fail "the package holds no $path"
done
grep -q ' ./usr/bin/varnel -> ../lib/varnel/varnel$' <<<"$listing" ||
    fail "the package holds no link bin/varnel"
! grep -q '/include/' <<<"$listing" || fail "the package holds development headers"

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = varnel ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.0 ] || fail "Version: $(field Version)"
[ "$(field Section)" = devel ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "Sorvexa <support@sorvexa.dev>" ] || fail "Maintainer: $(field Maintainer)"
[ "$(field Homepage)" = "https://varnel.sorvexa.dev/" ] || fail "Homepage: $(field Homepage)"
depends=$(field Depends)
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libchm1; do
    grep -Eq "(^|, )${library//+/\\+}( |,|$)" <<<"$depends" || fail "Depends names no $library"
done
[ "$(field Recommends)" = xdg-utils ] || fail "Recommends: $(field Recommends)"
description=$(field Description)
grep -q '^write regular expressions from examples$' <<<"$description" &&
    grep -q '^ Varnel infers a regular expression' <<<"$description" &&
    ! grep -q ';' <<<"$description" || fail "Description: $description"
exit $((failures != 0))
