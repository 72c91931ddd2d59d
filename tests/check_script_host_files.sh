#!/usr/bin/env bash
# sorba-script's own file commands on what should not be read or written: a FIFO and links to
# devices in the settings file's place. Each run must end at once, print no file, write nothing
# through the link and leave the entry as it was.
set -euo pipefail
host=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# check NAME EXPECTED-OUTPUT: runs the script on stdin in $work/NAME (a pipe carries the output,
# so /dev/stdout is no regular file).
check() {
    local name=$1 expected=$2 actual
    if ! actual=$(timeout 10 "$host" --folder "$work/$name" | cat); then
        echo "FAIL $name: sorba-script did not end cleanly" >&2
        failed=1
        return
    fi
    if [ "$actual" != "$expected" ]; then
        printf 'FAIL %s: printed\n%s\nexpected\n%s\n' "$name" "$actual" "$expected" >&2
        failed=1
    fi
}

script='file
inifile "[SORBA]\nFormTop=9\n"
file
get settings.FormTop'
none='--- SORBA.INI (none)
--- SORBA.INI (none)
settings.FormTop = null'

mkdir "$work/fifo"
mkfifo "$work/fifo/SORBA.INI"
check fifo "$none" <<<"$script"
[ -p "$work/fifo/SORBA.INI" ] || { echo "FAIL fifo: the FIFO was replaced" >&2; failed=1; }

# An endless device is neither read without end nor written.
mkdir "$work/zero"
ln -s /dev/zero "$work/zero/SORBA.INI"
check zero "$none" <<<"$script"
[ "$(readlink "$work/zero/SORBA.INI")" = /dev/zero ] || { echo "FAIL zero: link changed" >&2; failed=1; }

# A link to the host's own standard output: text written through it would show in the output.
mkdir "$work/stdout"
ln -s /dev/stdout "$work/stdout/SORBA.INI"
check stdout "$none" <<<"$script"
[ "$(readlink "$work/stdout/SORBA.INI")" = /dev/stdout ] || { echo "FAIL stdout: link changed" >&2; failed=1; }

# A link to a FIFO: opening it to write would wait for a reader for ever.
mkdir "$work/fifolink"
mkfifo "$work/fifolink/pipe"
ln -s pipe "$work/fifolink/SORBA.INI"
check fifolink "$none" <<<"$script"
[ -p "$work/fifolink/pipe" ] || { echo "FAIL fifolink: the FIFO was replaced" >&2; failed=1; }

# And a regular file behind a link is written, the link kept.
mkdir "$work/regular"
printf '[SORBA]\nFormTop=1\n' >"$work/regular/real.ini"
ln -s real.ini "$work/regular/SORBA.INI"
check regular '--- SORBA.INI
[SORBA]
FormTop=1
---
--- SORBA.INI
[SORBA]
FormTop=9
---
settings.FormTop = "9"' <<<"$(printf 'file\ninifile "[SORBA]\\nFormTop=9\\n"\nfile\nget settings.FormTop')"
[ -L "$work/regular/SORBA.INI" ] || { echo "FAIL regular: the link was replaced" >&2; failed=1; }

exit $failed
