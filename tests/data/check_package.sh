#!/usr/bin/env bash
# Checks the Debian package that `cpack --preset app` left in BUILD_DIR: what it holds, that it depends on the
# libraries it links, that its program runs, that its changelog and AppStream releases name its version, that
# lintian finds no error, and that its AppStream description is valid and matches the desktop entry beside it.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail

fail() {
    echo "check_package: $*" >&2
    exit 1
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")
deb="$1/velmora_${version}_amd64.deb"
[[ -f $deb ]] || fail "no package at $deb"

contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }')
for path in bin/velmora bin/velmora-cli share/applications/velmora.desktop share/mime/packages/velmora.xml \
    share/metainfo/org.velmora.Velmora.metainfo.xml share/icons/hicolor/scalable/apps/velmora.svg \
    share/icons/hicolor/32x32/apps/velmora.png share/velmora/help/index.html share/man/man1/velmora.1.gz \
    share/man/man1/velmora-cli.1.gz; do
    grep -qx "./usr/$path" <<<"$contents" || fail "the package lacks /usr/$path"
done

# Without dpkg-shlibdeps' list apt would install the package on a machine without Qt.
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || fail "Depends does not name the Qt libraries it links: '$depends'"
# And the QR code library, which the scan finds because the programs draw QR codes.
[[ $depends == *libqrencode4* ]] || fail "Depends does not name the QR code library it links: '$depends'"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb --extract "$deb" "$tree"
[[ $("$tree/usr/bin/velmora" --version) == "velmora $version" ]] || fail "the packaged velmora does not run as $version"

# A new version needs its own changelog entry and AppStream release, which no other tool asks for.
changelog_version=$(zcat "$tree/usr/share/doc/velmora/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[[ $changelog_version == "$version" ]] || fail "the changelog's latest entry is $changelog_version, not $version"
grep -q "<release version=\"$version\"" "$tree/usr/share/metainfo/org.velmora.Velmora.metainfo.xml" ||
    fail "the AppStream description lists no release $version"

# Warnings are shown but allowed; the root notice is lintian talking about this machine, not the package.
lintian --fail-on error "$deb" 2> >(grep -v 'running with root privileges' >&2)

# The description alone, then with the tree around it, where the desktop entry it launches must be found.
appstreamcli validate --no-net "$tree/usr/share/metainfo/org.velmora.Velmora.metainfo.xml"
appstreamcli validate-tree --no-net "$tree"

echo "$(basename "$deb"): contents, Depends, lintian and AppStream checked"
