#!/usr/bin/env bash
# Checks an installed Quillet under PREFIX (a `cmake --install` prefix, or the
# usr/ of an unpacked package): every file in its place, the program started
# through its bin/ link finds its skin and closes by itself, quillet-reg
# works, quillet-skin passes the installed default skin, the desktop entry and
# the metainfo validate, the licence is there, and the manual pages render
# without a warning.
# Usage: tests/check_install.sh PREFIX CHECK_SKIN_SNAPSHOT
set -euo pipefail
prefix=$(cd "$1" && pwd)
check_snapshot=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Whatever the programs and the validators write stays in the temporary folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
    XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen QUILLET_SCREEN=240x320 LC_ALL=C.UTF-8
unset QUILLET_DEVICE_LOG QUILLET_SNAPSHOT
# A made-up machine with one battery: a container without /sys would stop
# the program at its "No battery status" box.
export QUILLET_ROOT="$work/machine"
mkdir -p "$QUILLET_ROOT/sys/class/power_supply/BAT0" "$QUILLET_ROOT/proc"
echo Battery >"$QUILLET_ROOT/sys/class/power_supply/BAT0/type"
echo 50 >"$QUILLET_ROOT/sys/class/power_supply/BAT0/capacity"
printf 'MemTotal: 4000000 kB\nMemAvailable: 1000000 kB\n' >"$QUILLET_ROOT/proc/meminfo"

failures=0
fail() {
    echo "check_install: $*" >&2
    failures=$((failures + 1))
}

files=(
    bin/quillet bin/quillet-reg bin/quillet-skin lib/quillet/quillet lib/quillet/quillet-skin
    lib/quillet/Skins/Default/{1,2,3,4,5}{,_VGA}.png lib/quillet/Skins/Default/QSet.ini
    share/applications/quillet.desktop
    share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/quillet.png
    share/icons/hicolor/scalable/apps/quillet.svg
    share/man/man1/quillet.1.gz share/man/man1/quillet-reg.1.gz share/man/man1/quillet-skin.1.gz
    share/doc/quillet/copyright
)
for f in "${files[@]}"; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "not one metainfo file in share/metainfo"
# Relative, so that the tree works wherever it is unpacked.
for program in quillet quillet-skin; do
    [ "$(readlink "$prefix/bin/$program")" = "../lib/quillet/$program" ] ||
        fail "bin/$program is not the link ../lib/quillet/$program"
done

version=$("$prefix/bin/quillet" --version) || fail "quillet --version failed"
[[ $version == "quillet "[0-9]* ]] || fail "quillet --version printed '$version'"

key='HKLM\Software\Quillet\Settings'
"$prefix/bin/quillet-reg" add "$key" /v Pause /t REG_DWORD /d 2 /f >/dev/null || fail "quillet-reg add failed"
[[ $("$prefix/bin/quillet-reg" query "$key" /v Pause) == *"Pause    REG_DWORD    0x2"* ]] ||
    fail "quillet-reg query does not read back Pause"

"$prefix/bin/quillet-skin" check --strict "$prefix/lib/quillet/Skins/Default" >"$work/skin.out" 2>&1 ||
    fail "quillet-skin does not pass the installed default skin: $(cat "$work/skin.out")"
# Through its link it finds the default skin that stands in for a missing picture.
mkdir "$work/half-skin"
cp "$prefix"/lib/quillet/Skins/Default/* "$work/half-skin/"
rm "$work/half-skin/3.png"
"$prefix/bin/quillet-skin" check "$work/half-skin" >"$work/half.out" 2>&1 || true
grep -qF "shows the default skin's $(cd "$prefix/lib/quillet" && pwd -P)/Skins/Default/3.png instead" "$work/half.out" ||
    fail "quillet-skin does not name the installed default skin's stand-in: $(cat "$work/half.out")"

# With Pause at 2 the program closes itself; a skin that is not found stops
# it at a message box instead, which the time limit catches.
if QUILLET_SNAPSHOT="$work/shots" timeout 30 "$prefix/bin/quillet" >"$work/quillet.out" 2>"$work/quillet.err"; then
    "$check_snapshot" "$work/shots/1.png" "$prefix/lib/quillet/Skins/Default/1.png" ||
        fail "the installed program did not show its default skin"
else
    fail "the installed program did not run and close by itself: $(cat "$work/quillet.out" "$work/quillet.err")"
fi

desktop-file-validate "$prefix/share/applications/quillet.desktop" || fail "the desktop entry does not validate"
grep -qx 'Exec=quillet' "$prefix/share/applications/quillet.desktop" || fail "the desktop entry does not start quillet"
appstreamcli validate --no-net "${metainfo[0]}" >"$work/appstream.out" 2>&1 ||
    fail "the metainfo does not validate: $(cat "$work/appstream.out")"
grep -q '<project_license>MIT</project_license>' "${metainfo[0]}" || fail "the metainfo names no MIT licence"
copyright="$prefix/share/doc/quillet/copyright"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' &&
    grep -qx 'License: Expat' "$copyright" && grep -q '^ Permission is hereby granted' "$copyright" ||
    fail "doc/quillet/copyright is not the licence in Debian's machine-readable format"

# Also in a plain C locale, where a terminal has no Cyrillic.
for page in quillet quillet-reg quillet-skin; do
    for locale in C.UTF-8 C; do
        warnings=$(LC_ALL=$locale MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null) ||
            fail "man cannot show $page(1) in $locale"
        [ -z "$warnings" ] || fail "$page(1) renders with warnings in $locale: $warnings"
    done
done

if [ "$failures" -ne 0 ]; then
    echo "check_install: $failures problem(s) in $prefix" >&2
    exit 1
fi
echo "check_install: $prefix is complete"
