#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds (default 60), starting
# from its committed seed corpus (the configuration reader also from the shipped
# default file). New inputs go to a scratch folder, so the committed corpus only
# grows by hand. Builds the sanitizer build first when missing.
set -euo pipefail
REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_EACH="${1:-60}"
BUILD="${TANKWISE_SANITIZE_BUILD:-$REPO/build-sanitize}"
[ -x "$BUILD/tests/fuzz/fuzz_config" ] || bash "$REPO/scripts/sanitize.sh"

export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$REPO/scripts/lsan.supp:print_suppressions=0"
SCRATCH="$(mktemp -d)"
trap 'rm -rf "$SCRATCH"' EXIT
for target in config logs update fields import; do
    echo "== fuzz_$target for ${SECONDS_EACH}s"
    mkdir -p "$SCRATCH/$target"
    seeds=("$REPO/tests/fuzz/corpus/$target")
    if [ "$target" = config ]; then seeds+=("$REPO/resources/Data"); fi
    (cd "$SCRATCH" && "$BUILD/tests/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" \
        -max_len=4096 -print_final_stats=1 "$SCRATCH/$target" "${seeds[@]}")
done
