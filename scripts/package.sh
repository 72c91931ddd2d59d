#!/usr/bin/env bash
# Makes the Debian package: installs what building and packaging need, builds the release preset
# and runs CPack in build-release/, where the package lands. CPack fails, leaving no package,
# when the package would not depend on the program's libraries.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh package
scripts/build.sh release
rm -f build-release/sorba_*.deb
(cd build-release && cpack -G DEB)
package=$(find build-release -maxdepth 1 -name 'sorba_*.deb')
echo "made $package; install it (as root, or through sudo) with"
echo "  apt-get install ./$package"
