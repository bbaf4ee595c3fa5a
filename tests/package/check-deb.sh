#!/usr/bin/env bash
# Builds the Debian package from this build tree into a temporary folder and checks
# what a user would install: the files, the run-time dependencies, that the desktop
# entry, icon and metainfo refer to each other, and lintian's verdict if it is here.
# Usage: check-deb.sh CPACK CPACK_CONFIG VERSION [LINTIAN]
set -euo pipefail
cpack=$1
config=$2
version=$3
lintian=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! "$cpack" --config "$config" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$work/raruvid_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    echo "FAIL: cpack made no $(basename "$deb"); it made:"
    ls "$work"
    exit 1
fi

listing=$(dpkg-deb -c "$deb")
echo "$listing"
file_mode() {
    awk -v path="./$1" '$6 == path { print $1 }' <<<"$listing"
}
[ "$(file_mode usr/bin/raruvid)" = "-rwxr-xr-x" ] || fail "usr/bin/raruvid missing or not executable"
for path in usr/share/applications/org.raruvid.Raruvid.desktop \
            usr/share/icons/hicolor/scalable/apps/org.raruvid.Raruvid.svg \
            usr/share/metainfo/org.raruvid.Raruvid.metainfo.xml \
            usr/share/doc/raruvid/copyright; do
    [ "$(file_mode "$path")" = "-rw-r--r--" ] || fail "$path missing or not a plain readable file"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depends_on() {
    tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$1"
}
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-dejavu-core; do
    depends_on "$package" || fail "Depends lacks $package"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
entry=$root/usr/share/applications/org.raruvid.Raruvid.desktop
icon=$(sed -n 's/^Icon=//p' "$entry")
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon file for Icon=$icon"
[ -x "$root/usr/bin/$command" ] || fail "no program for Exec=$command"
# Checks that the metainfo's launchable names the installed desktop entry.
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"

if [ -n "$lintian" ]; then
    accepted=(
        no-changelog    # release notes are kept in the metainfo, not in a Debian changelog
        no-manual-page  # the program takes no command line, so a manual page would say nothing
    )
    suppressed=$(IFS=,; echo "${accepted[*]}")
    "$lintian" --fail-on error,warning --suppress-tags "$suppressed" "$deb" || fail "lintian"
else
    echo "lintian is not installed: the package was not linted"
fi

[ "$failures" -eq 0 ]
