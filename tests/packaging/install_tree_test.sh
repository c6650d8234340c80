#!/usr/bin/env bash
# Installs the build tree into a scratch DESTDIR, the way a distribution
# stages a package, and checks what landed there.
#
# Usage: install_tree_test.sh BUILD_DIR APP_ID
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$1" --prefix /usr >/dev/null
bash "$here/check_installed_files.sh" "$stage" "$2"
