#!/usr/bin/env bash
# The suite as a user gets it, from a build installed into a temporary
# prefix or from the Debian package unpacked into a temporary root: every
# installed program has its manual page, compressed, and every page passes
# mandoc's lint without a message; the copyright file and the compressed
# changelog are in the doc folder; the installed frame3d and truss2d, found on PATH, run
# in scratch copies of the installed examples outside the build tree and
# write what the reference runs wrote; the package depends on nothing but
# the C and C++ runtime libraries and CHOLMOD, quillmark's sparse solver.
#   tests/install_check.sh [BUILD_DIR]     (default: build)
#   tests/install_check.sh PACKAGE.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
from="${1:-$root/build}"
command -v mandoc >/dev/null || { echo "mandoc is missing: install the Debian package mandoc"; exit 1; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=$((failed + 1)); }

if [[ "$from" == *.deb ]]; then
    dpkg-deb -x "$from" "$scratch/root"
    prefix="$scratch/root/usr"
    depends="$(dpkg-deb -f "$from" Depends)"
    others="$(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/ //g' | grep -vx 'libc6\|libgcc-s1\|libstdc++6\|libcholmod3' || true)"
    [ -z "$others" ] || fail "the package depends on $depends"
else
    prefix="$scratch/prefix"
    cmake --install "$from" --prefix "$prefix" >/dev/null
fi

programs=(frame3d frame2d truss3d truss2d grillage girder modelprep quillmark)
for p in "${programs[@]}"; do
    [ -x "$prefix/bin/$p" ] || fail "$p is not installed in bin"
done
for exe in "$prefix"/bin/*; do
    p="$(basename "$exe")"
    page="$prefix/share/man/man1/$p.1.gz"
    if [ ! -f "$page" ]; then
        fail "$p has no manual page"
        continue
    fi
    lint="$(mandoc -T lint "$page" 2>&1)" || true
    [ -z "$lint" ] || fail "mandoc -T lint $p.1: $lint"
done
for doc in copyright changelog.gz; do
    [ -s "$prefix/share/doc/quillmark-frames/$doc" ] || fail "no $doc in the doc folder"
done

# program, its file stem, the example folder its input comes from
check_run() {
    local program="$1" stem="$2" example="$3"
    local work="$scratch/run-$program"
    cp -r "$prefix/share/doc/quillmark-frames/examples/$example" "$work"
    [ -f "$work/README.md" ] || fail "examples/$example is installed without its README"
    local found console status=0
    found="$(PATH="$prefix/bin:$PATH" command -v "$program")"
    [ "$found" = "$prefix/bin/$program" ] || fail "$program on PATH is $found"
    console="$(cd "$work" && PATH="$prefix/bin:$PATH" "$program" 2>&1)" || status=$?
    local expected
    expected="$(cat "$root/tests/golden/$program/example/status")"
    [ "$status" -eq "$expected" ] || fail "$program exited with status $status (expected $expected): $console"
    [ "$console" = "$(cat "$root/tests/golden/$program/example/console.out")" ] ||
        fail "$program printed: $console"
    cmp -s "$work/$stem.csv" "$root/tests/golden/$program/example/$stem.csv" ||
        fail "$program: $stem.csv differs from tests/golden/$program/example"
    for suffix in htm svg txt; do
        [ -s "$work/$stem.$suffix" ] || fail "$program wrote no $stem.$suffix"
    done
}
check_run frame3d spacefr spacefr
check_run truss2d planetr planetr

# quillmark on a shipped model file: every combination completes.
work="$scratch/run-quillmark"
cp -r "$prefix/share/doc/quillmark-frames/examples/quillmark" "$work"
status=0
console="$(cd "$work" && PATH="$prefix/bin:$PATH" quillmark run building_si.toml 2>&1)" || status=$?
[ "$status" -eq 0 ] || fail "quillmark exited with status $status: $console"
[ -s "$work/building_si.envelope.htm" ] || fail "quillmark wrote no envelope"

if [ "$failed" -ne 0 ]; then
    echo "install check: $failed failed"
    exit 1
fi
echo "install check of $(basename "$from"): ${#programs[@]} programs with their pages; frame3d, truss2d and quillmark ran"
