#!/usr/bin/env bash
# A parametric study as the README shows it: three dozen variants of
# examples/spacefr (the tip load stepped from 1 to 36 kips, so that the
# heavier ones fail the moment check), one folder each, run through GNU
# parallel with the README's own command line. Every folder must have
# completed (status 0, or 2 where a member fails) with all four result
# files written.
#   tests/parallel_batch.sh [BUILD_DIR]     (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
command -v parallel >/dev/null || { echo "parallel is missing: install the Debian package parallel"; exit 1; }
command_line='parallel frame3d ::: models/*'
grep -qF -- "    $command_line" "$root/README.md" || { echo "README.md no longer shows: $command_line"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
count=36
for k in $(seq 1 "$count"); do
    mkdir -p "$work/models/tip-load-$k"
    # Line 9 of the example is joint 2's load: 1 kip down.
    sed "9s/.*/0,-$k,0,0,0,0/" "$root/examples/spacefr/spacefr.in" > "$work/models/tip-load-$k/spacefr.in"
done

# The batch's status is the number of folders that did not end with 0, a
# failing member included; the job log holds each folder's own.
(cd "$work" && HOME="$work" PATH="$build/frame3d:$PATH" PARALLEL="--joblog jobs.log" \
    bash -c "$command_line" > console.out 2>&1) || true

failed=0
fail() { echo "FAILED: $*"; failed=$((failed + 1)); }
statuses="$(awk -F'\t' 'NR > 1 { print $7 "/" $8 }' "$work/jobs.log" | sort | uniq -c | tr -s ' ' | tr '\n' ',')"
[ "$(awk 'NR > 1' "$work/jobs.log" | wc -l)" -eq "$count" ] || fail "the job log holds $(awk 'NR > 1' "$work/jobs.log" | wc -l) of $count runs"
awk -F'\t' 'NR > 1 && (($7 != 0 && $7 != 2) || $8 != 0) { print "FAILED: " $9 ": status " $7 ", signal " $8; bad = 1 }
            END { exit bad }' "$work/jobs.log" || failed=$((failed + 1))
for k in $(seq 1 "$count"); do
    for suffix in htm csv svg txt; do
        [ -s "$work/models/tip-load-$k/spacefr.$suffix" ] || fail "tip-load-$k has no spacefr.$suffix"
    done
done
if [ "$failed" -ne 0 ]; then
    cat "$work/console.out"
    echo "parallel batch: $failed failed"
    exit 1
fi
echo "parallel batch: $count folders completed (count status/signal: ${statuses%,})"
