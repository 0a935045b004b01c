#!/usr/bin/env bash
# Runs the commands that README.md and examples/*/README.md show, as
# written, the way a new user would: each README's commands in one shell
# session, in a scratch home folder, with ~/.local/bin on PATH. The build
# commands run in the source tree. Commands another step of CI runs (the
# tests, the package, the fuzzers, the batch through parallel) are named and
# left to it; an indented line that is no command (a sample of output) is
# skipped. Status 2 (a member fails its check) counts as completed.
#   tests/readme_commands.sh [BUILD_DIR]     (default: build)
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
[ "$build" = build ] || { echo "the READMEs build in build/, not $build"; exit 1; }

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
failed=0
ran=0

# The indented lines of a README: its commands and samples of output.
code_lines() { sed -n 's/^    //p' "$1"; }

# Where a line runs: "source" (the source tree), "home", or "skip: why".
place_of() {
    case "$1" in
        "cmake --workflow --preset demo"* | "tools/setup.sh demo"* | "cmake --install build"*) echo source ;;
        "cmake --workflow --preset test"* | "tools/setup.sh test"*) echo "skip: CI runs the tests before this" ;;
        "cmake --workflow --preset package"* | "sudo apt-get "*) echo "skip: the package check of .ci/run" ;;
        "cmake --workflow --preset fuzz"* | "fuzz/run.sh "*) echo "skip: the fuzz step of .ci/run" ;;
        "cmake --workflow --preset sanitize"* | "cmake --workflow --preset benchmark"*) echo "skip: a build of its own" ;;
        "parallel "* | "#!/bin/bash" | "folders="* | 'frame3d "${folders'*)
            echo "skip: tests/parallel_batch.sh runs a batch; other hosts and Slurm are not at hand" ;;
        "cp "* | "cd "* | "mkdir "* | "printf "* | "man "* | "modelprep"* | "frame3d"* | "frame2d"* | \
            "truss3d"* | "truss2d"* | "grillage"* | "girder"* | "quillmark"*) echo home ;;
        *) echo "skip: output" ;;
    esac
}

# Runs the lines of one README that belong to `where` in one session.
run_session() {
    local readme="$1" where="$2" session="$home/.session" line place
    : > "$session"
    while IFS= read -r line; do
        place="$(place_of "$line")"
        if [ "$place" != "$where" ]; then
            [ "$where" != home ] || [[ "$place" != skip:* ]] || [ "$place" = "skip: output" ] ||
                echo "   (${readme#"$root"/}: $line -- ${place#skip: })"
            continue
        fi
        ran=$((ran + 1))
        printf '%s\n' "$line" "s=\$?; [ \$s -eq 0 ] || [ \$s -eq 2 ] || { echo \"FAILED (status \$s): \"$(printf '%q' "$line"); exit 1; }" >> "$session"
    done < <(code_lines "$readme")
    local dir="$home"
    [ "$where" = home ] || dir="$root"
    (cd "$dir" && HOME="$home" PATH="$home/.local/bin:$PATH" MANPAGER=cat PAGER=cat bash "$session" > "$home/.log" 2>&1) ||
        { cat "$home/.log"; failed=$((failed + 1)); }
}

echo "== README.md, build commands in the source tree"
run_session "$root/README.md" source
[ -x "$home/.local/bin/frame3d" ] || { echo "FAILED: the install put no frame3d in ~/.local/bin"; failed=$((failed + 1)); }
for readme in "$root/README.md" "$root"/examples/*/README.md; do
    echo "== ${readme#"$root"/}"
    run_session "$readme" home
done

# What the commands must have left: the results of every example in the
# user's copy, and the two bars modelprep wrote and truss2d analysed.
for example in "$root"/examples/*/; do
    name="$(basename "$example")"
    if [ "$name" = quillmark ]; then
        [ -s "$home/quillmark/building_si.envelope.htm" ] ||
            { echo "FAILED: no ~/quillmark/building_si.envelope.htm"; failed=$((failed + 1)); }
        continue
    fi
    for suffix in htm csv svg txt; do
        [ -s "$home/$name/$name.$suffix" ] || { echo "FAILED: no ~/$name/$name.$suffix"; failed=$((failed + 1)); }
    done
done
for file in my-truss/planetr.csv two-bars/planetr.in two-bars/planetr.csv; do
    [ -s "$home/$file" ] || { echo "FAILED: no ~/$file"; failed=$((failed + 1)); }
done

if [ "$failed" -ne 0 ]; then
    echo "README commands: $failed failed"
    exit 1
fi
echo "README commands: $ran ran as written"
