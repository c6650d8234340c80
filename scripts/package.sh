#!/usr/bin/env bash
# Builds the Debian package from a clean clone: installs what is missing,
# builds only what ships (no tests, no benchmarks) optimised and packs it with
# CPack. Prints the path of the .deb.
#
# Usage: scripts/package.sh [BUILD_DIR]      (default: build-package)
# Install the result with:  sudo apt install ./build-package/guwen_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# CPack reads the dependencies off the program with dpkg-shlibdeps and finds
# the files to read with file(1).
for tool in dpkg-shlibdeps file; do
  if ! command -v "$tool" >/dev/null; then
    echo "package: $tool is missing; install the Debian packages dpkg-dev and file" >&2
    exit 1
  fi
done

build=${1:-build-package}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DGUWEN_BUILD_TESTS=OFF -DGUWEN_BUILD_BENCH=OFF -DGUWEN_BUILD_FUZZ=OFF
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/guwen_*.deb
(cd "$build" && cpack)

deb=$(echo "$build"/guwen_*.deb)
echo
echo "package: built $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
