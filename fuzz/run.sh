#!/usr/bin/env bash
# Runs every fuzz harness of a build for a while, one after the other.
#   fuzz/run.sh BUILD_DIR SECONDS [PROGRAM...]
# Each starts from the shipped examples, the inputs of the reference tests
# and the corpus kept in fuzz/corpus/<program>/ (earlier findings; for
# modelprep, answer streams; for quillmark, the model files of its examples),
# in a scratch copy; a new finding is left in the
# scratch directory and named.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
build="$(cd "$1" && pwd)"; seconds="$2"; shift 2
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(frame3d frame2d truss3d truss2d grillage girder modelprep quillmark)
declare -A stems=([frame3d]=spacefr [frame2d]=planefr [truss3d]=spacetr [truss2d]=planetr [grillage]=grid [girder]=beam)
status=0
for p in "${programs[@]}"; do
    harness="$build/fuzz/fuzz_$p"
    [ -x "$harness" ] || continue
    work="$(mktemp -d)"
    mkdir -p "$work/corpus" "$work/findings"
    stem="${stems[$p]:-none}"
    cp "$root/examples/$stem/$stem.in" "$work/corpus/example" 2>/dev/null || true
    for f in "$root"/tests/golden/"$p"/*/"$stem".in; do
        [ -f "$f" ] && cp "$f" "$work/corpus/golden-$(basename "$(dirname "$f")")"
    done
    [ -d "$here/corpus/$p" ] && cp "$here/corpus/$p"/* "$work/corpus/" 2>/dev/null || true
    [ "$p" != quillmark ] || cp "$root"/examples/quillmark/*.toml "$work/corpus/"
    echo "== fuzz_$p for ${seconds}s"
    if ! (cd "$work/findings" && "$harness" -max_total_time="$seconds" -max_len=8192 -timeout=10 -artifact_prefix="$work/findings/" \
            -print_final_stats=1 "$work/corpus" > "$work/log" 2>&1); then
        tail -n 40 "$work/log"
        echo "fuzz_$p found a problem; the input is in $work/findings"
        status=1
        continue
    fi
    grep -E "^#[0-9]+.*cov:" "$work/log" | tail -n 1
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)" "$work/log"
    rm -rf "$work"
done
exit $status
