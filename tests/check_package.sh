#!/usr/bin/env bash
# Checks the Debian package: its name and fields, dependencies computed from
# the binaries, then the package installed into a throw-away root and checked
# there like an install tree. As root it is installed with dpkg into that
# root and removed again, which must leave nothing behind; otherwise it is
# only unpacked.
# Usage: tests/check_package.sh DEB CHECK_SKIN_SNAPSHOT
set -euo pipefail
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
check_snapshot=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "check_package: $*" >&2
    failures=$((failures + 1))
}

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(basename "$deb") == "quillet_$(field Version)_$(dpkg --print-architecture).deb" ]] ||
    fail "the file name is not quillet_VERSION_ARCH.deb"
[ "$(field Package)" = quillet ] || fail "the package is not named quillet"
depends=$(field Depends)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libsqlite3-0; do
    [[ ", $depends" == *", $library "* ]] || fail "Depends lacks $library: $depends"
done
[[ ", $(field Recommends)," == *", qt6-wayland,"* ]] || fail "Recommends lacks qt6-wayland: $(field Recommends)"
[ "$(field Description | wc -l)" -gt 3 ] || fail "the description has no long text"
outside=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

root="$work/root"
mkdir -p "$root"
if [ "$(id -u)" -eq 0 ]; then
    admin="$root/var/lib/dpkg"
    mkdir -p "$admin/info" "$admin/updates" "$admin/triggers"
    touch "$admin/status" "$admin/available"
    dpkg=(dpkg --root="$root" --log="$work/dpkg.log" --force-depends)
    # The root holds none of the libraries, hence --force-depends.
    "${dpkg[@]}" --install "$deb" >"$work/dpkg.out" 2>&1 || fail "dpkg cannot install: $(cat "$work/dpkg.out")"
    "$here/check_install.sh" "$root/usr" "$check_snapshot" || fail "the installed package is not complete"
    "${dpkg[@]}" --remove quillet >"$work/dpkg.out" 2>&1 || fail "dpkg cannot remove: $(cat "$work/dpkg.out")"
    left=$(cd "$root" && find . -mindepth 1 -not -path './var' -not -path './var/*')
    [ -z "$left" ] || fail "left behind by dpkg --remove: $left"
else
    dpkg-deb --extract "$deb" "$root"
    "$here/check_install.sh" "$root/usr" "$check_snapshot" || fail "the unpacked package is not complete"
fi

if [ "$failures" -ne 0 ]; then
    echo "check_package: $failures problem(s) in $deb" >&2
    exit 1
fi
echo "check_package: $deb installs, runs and goes again"
