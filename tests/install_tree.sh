#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree there.
# Usage: tests/install_tree.sh CMAKE BUILD_DIR CHECK_SKIN_SNAPSHOT
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null
"$(dirname "$0")/check_install.sh" "$prefix" "$3"
