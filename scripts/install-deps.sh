#!/usr/bin/env bash
# Installs the Debian packages that the named groups need, only those that are missing, without
# questions; through sudo when not root.
# Usage: scripts/install-deps.sh GROUP...
#   build       building and running the calculator
#   package     making the Debian package (CPack's DEB generator and dpkg-shlibdeps)
#   test        every test: GoogleTest, the format and tidy checks, the install and package checks,
#               the man page
#   bench       the engine benchmarks
#   fuzz        clang with its libFuzzer runtime
#   xvfb        a virtual X display (start-up benchmark, screenshots)
#   screenshot  driving the window and taking its picture
#   speech      the screen reader check: AT-SPI, a listener, Orca, a window manager, xdotool
#   latency     the tape benchmark's XTEST harness and the window manager it runs under
set -euo pipefail

packages=()
for group in "$@"; do
    case "$group" in
    # Japanese glyphs for the captions and Qt's own texts in Japanese belong to running it.
    build) packages+=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-noto-cjk) ;;
    package) packages+=(dpkg-dev file) ;;
    # debootstrap makes the fresh Debian root the package is installed into.
    test) packages+=(googletest libgtest-dev clang-format clang-tidy desktop-file-utils appstream
                     dpkg-dev file lintian debootstrap groff-base) ;;
    bench) packages+=(libbenchmark-dev) ;;
    fuzz) packages+=(cmake ninja-build clang libclang-rt-14-dev) ;;
    xvfb) packages+=(xvfb xauth) ;;
    screenshot) packages+=(xdotool imagemagick) ;;
    speech) packages+=(xvfb xauth xdotool openbox dbus-bin at-spi2-core python3-pyatspi orca) ;;
    latency) packages+=(libx11-dev libxtst-dev openbox xdotool) ;;
    *)
        echo "scripts/install-deps.sh: unknown group '$group'" >&2
        exit 2
        ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "scripts/install-deps.sh: not root and no sudo; as root run:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
