#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset: clang with the address and undefined-behaviour
# sanitizers) and fuzzes each in turn, one process at a time. The committed corpus seeds each run;
# what the fuzzer adds goes to build/fuzz/corpus, never into the source tree. A failing input is
# saved in build/fuzz/ and the script stops with its log.
# Arguments: seconds per target (default 60), then target names (default all).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(inference suggestions pretty_format learning command_line settings)
fi
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in "${targets[@]}"; do
    mkdir -p "build/fuzz/corpus/$target"
    log="build/fuzz/fuzz_$target.log"
    echo "Fuzzing $target for $seconds s"
    if ! "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 \
        -artifact_prefix=build/fuzz/ "build/fuzz/corpus/$target" "fuzz/corpus/$target" \
        >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "fuzz_$target failed: the input is in build/fuzz/ (crash-*, timeout-*...), the log in $log" >&2
        exit 1
    fi
    # "Done N runs in S second(s)": the executions of this run.
    grep -E "^Done [0-9]+ runs" "$log"
done
