#!/usr/bin/env bash
# Builds the Debian package from a build folder with CPack, as `cpack -G DEB` there does, and
# checks it: its fields, its files and lintian at its most pedantic, which must find no error, no
# warning but the one of every first upload, and nothing about hardening.
# Usage: check_package.sh BUILD_DIR WORK_DIR APP_ID
set -euo pipefail
build_dir=$1
work=$2
app_id=$3

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
package=$(find "$work" -maxdepth 1 -name 'sorba_*.deb')
[ -n "$package" ] || { echo "cpack made no sorba_*.deb"; cat "$work/cpack.log"; exit 1; }

failures=0
field() { dpkg-deb --field "$package" "$1"; }
expect_field() {
    local name=$1 pattern=$2
    field "$name" | grep -Eq "$pattern" || {
        echo "FAIL: $name is \"$(field "$name")\", expected to match $pattern"
        failures=$((failures + 1))
    }
}
# The libraries, found by dpkg-shlibdeps, and a face with Japanese glyphs for the default
# interface.
expect_field Depends 'libqt6widgets6'
expect_field Depends '(^|, )fonts-noto-cjk \| fonts-ipafont-gothic \| fonts-vlgothic(,|$)'
expect_field Recommends '^qt6-translations-l10n$'
expect_field Section '^utils$'
expect_field Maintainer '^.+ <.+@.+>$'

contents=$(dpkg-deb --contents "$package")
for file in ./usr/bin/sorba "./usr/share/applications/$app_id.desktop" \
    ./usr/share/sorba/Sorba.Hlp ./usr/share/doc/sorba/copyright; do
    grep -q " $file\$" <<<"$contents" || {
        echo "FAIL: the package lacks $file"
        failures=$((failures + 1))
    }
done

# Lintian warns that it runs as root; that is no finding about the package.
status=0
lintian --pedantic -I --tag-display-limit 0 "$package" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
# A first upload closes no bug report; every other warning, and every error, is a fault.
faults=$(grep -E '^[EW]: ' "$work/lintian.log" | grep -v ' initial-upload-closes-no-bugs ' || true)
if [ -n "$faults" ] || [ "$status" -ne 0 ]; then
    echo "FAIL: lintian found errors or warnings (status $status)"
    failures=$((failures + 1))
fi
# The program is built with Debian's hardening flags (checked functions, read-only relocations).
if grep -q ' hardening-' "$work/lintian.log"; then
    echo "FAIL: lintian finds the program built without Debian's hardening flags"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$package"): fields, files and lintian in order"
