#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree as a user meets it: every file
# where it belongs, the desktop entry and the AppStream metadata valid, the manual pages readable,
# varnel-cli working, and the installed window opening its help and its About box.
#     check_installed_tree.sh BUILD_DIR WINDOW_DRIVER
set -euo pipefail
build=$1
driver=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
require() {
    command -v "$1" >/dev/null || { fail "$1 is missing (package $2): run scripts/setup.sh"; return 1; }
}

# kind (x executable, f file, l link to the second path) and path below the prefix
expected=(
    "x lib/varnel/varnel"
    "f lib/varnel/Help.chm"
    "f lib/varnel/license.html"
    "l bin/varnel lib/varnel/varnel"
    "x bin/varnel-cli"
    "f share/applications/dev.sorvexa.Varnel.desktop"
    "f share/metainfo/dev.sorvexa.Varnel.metainfo.xml"
    "f share/icons/hicolor/scalable/apps/dev.sorvexa.Varnel.svg"
    "f share/man/man1/varnel.1.gz"
    "f share/man/man1/varnel-cli.1.gz"
    "f share/doc/varnel/copyright"
)
for size in 16 24 32 48 64 128 256; do
    expected+=("f share/icons/hicolor/${size}x${size}/apps/dev.sorvexa.Varnel.png")
done
for row in "${expected[@]}"; do
    read -r kind path target <<<"$row"
    case $kind in
    x) [ -f "$prefix/$path" ] && [ -x "$prefix/$path" ] || fail "no executable $path" ;;
    f) [ -s "$prefix/$path" ] || fail "no file $path" ;;
    l) [ -L "$prefix/$path" ] && [ "$(readlink -f "$prefix/$path")" = "$prefix/$target" ] ||
        fail "$path is no link to $target" ;;
    esac
done

# Each PNG is as wide and as high as the folder it is in says.
for png in "$prefix"/share/icons/hicolor/*x*/apps/dev.sorvexa.Varnel.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    actual="$(((w1 << 24) + (w2 << 16) + (w3 << 8) + w4))x$(((h1 << 24) + (h2 << 16) + (h3 << 8) + h4))"
    [ "$actual" = "$size" ] || fail "icon in $size is $actual"
done

if require desktop-file-validate desktop-file-utils; then
    desktop-file-validate "$prefix/share/applications/dev.sorvexa.Varnel.desktop" ||
        fail "desktop entry does not validate"
fi
if require appstreamcli appstream; then
    appstreamcli validate --no-net "$prefix/share/metainfo/dev.sorvexa.Varnel.metainfo.xml" >/dev/null ||
        fail "AppStream metadata does not validate"
fi
if require man man-db; then
    for page in varnel varnel-cli; do
        warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "manual page $page: $warnings"
    done
    MANWIDTH=80 man -l "$prefix/share/man/man1/varnel-cli.1.gz" 2>/dev/null |
        grep -q -- '--language NAME' || fail "manual page varnel-cli does not describe --language"
fi

home=$root/home
mkdir -p "$home/config" "$home/data" "$root/data" "$root/config" "$root/run"
chmod 700 "$root/run"
# No desktop applications at all (so no viewer for compiled help), but the system's MIME types.
ln -s /usr/share/mime "$root/data/mime"
user_environment=(
    HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
    XDG_CONFIG_DIRS="$root/config" XDG_DATA_DIRS="$root/data" XDG_RUNTIME_DIR="$root/run"
    LC_ALL=en_GB.UTF-8 LANG=en_GB.UTF-8
)

cli_output=$(env "${user_environment[@]}" "$prefix/bin/varnel-cli" --language ecmascript \
    "John Smith" "Smith, John") || fail "varnel-cli ended with status $?"
[ "$cli_output" = $'(John)( )(Smith)\n$3,$2$1' ] || fail "varnel-cli printed: $cli_output"

# The installed window, started through its link in bin/, finds its help beside the executable.
# Under the address sanitizer, leaks are the window tests' business: with the driver preloaded,
# LeakSanitizer counts the resources that Qt Gui and Qt Widgets register as they load as leaked.
expected_report="help window: Varnel Help
help page: Welcome to Varnel
help contents: Welcome to Varnel | Syntax | The command line: varnel-cli | Settings, files and support
about: About | Varnel 1.0 | Saturday, 31 May 2008 | <a href=\"https://varnel.sorvexa.dev/\">varnel.sorvexa.dev</a>"
status=0
report=$(env "${user_environment[@]}" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$driver" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:detect_leaks=0" \
    timeout 120 "$prefix/bin/varnel" 2>"$root/window-errors") || status=$?
[ "$status" -eq 0 ] || { fail "varnel ended with status $status"; cat "$root/window-errors" >&2; }
[ "$report" = "$expected_report" ] || fail "the window reported:
$report
instead of:
$expected_report"

if [ "$failures" -ne 0 ]; then
    echo "$failures failures in the installed tree" >&2
    exit 1
fi
echo "installed tree: ${#expected[@]} files in place, validators and programs passed"
