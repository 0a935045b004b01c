#!/usr/bin/env bash
# Installs the Debian packages the suite lacks for a purpose, then builds:
#   tools/setup.sh demo   the build packages; builds the programs and runs the demo
#   tools/setup.sh test   the build and test packages; builds and runs every test
#   tools/setup.sh ci     every package CI needs; builds nothing
# The packages are those of tools/packages.txt; only the missing ones are
# installed (as root, or through sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
purpose="${1:-}"
case "$purpose" in
    demo) wanted="build" ;;
    test) wanted="build test" ;;
    ci) wanted="build test ci" ;;
    *) echo "usage: tools/setup.sh demo|test|ci" >&2; exit 1 ;;
esac

missing=()
while read -r need package; do
    case "$need" in '#'* | '') continue ;; esac
    [[ " $wanted " == *" $need "* ]] || continue
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done < tools/packages.txt

if [ ${#missing[@]} -gt 0 ]; then
    echo "installing ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi

case "$purpose" in
    demo) cmake --workflow --preset demo ;;
    test) cmake --workflow --preset test ;;
esac
