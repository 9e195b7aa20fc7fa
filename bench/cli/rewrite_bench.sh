#!/usr/bin/env bash
# Times varnel-cli --apply on a generated log against sed -E and perl -pe doing the same
# replacement, after checking that all three write the same bytes.
#
#   bench/cli/rewrite_bench.sh [VARNEL_CLI [MEGABYTES]]
#
# VARNEL_CLI defaults to the release build's, MEGABYTES to 100. The log and the outputs live in a
# temporary folder that is removed at the end.
set -euo pipefail

varnel_cli=${1:-"$(dirname "$0")/../../build/release/cli/varnel-cli"}
megabytes=${2:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

# Lines of about 90 bytes: a date, a level, a request number, an address, a time; one line in
# twenty has CRLF, and the last one has no line break.
perl -e '
    my $size = $ARGV[0] * 1000 * 1000;
    my @levels = ("INFO", "WARN", "ERROR", "DEBUG");
    my ($written, $n) = (0, 0);
    srand(7);
    while ($written < $size) {
        my $line = sprintf("20%02d-%02d-%02d %02d:%02d:%02d [%s] request %d from 10.0.%d.%d took %d ms",
            int(rand(25)), 1 + int(rand(12)), 1 + int(rand(28)), int(rand(24)), int(rand(60)),
            int(rand(60)), $levels[int(rand(4))], $n++, int(rand(256)), int(rand(256)),
            int(rand(2000)));
        $line .= ($n % 20 == 0) ? "\r\n" : "\n";
        print $line;
        $written += length($line);
    }
    print "last line without a line break";
' "$megabytes" > "$work/log"
echo "log: $(wc -c < "$work/log") bytes, $(wc -l < "$work/log") lines"

# name | varnel-cli arguments | sed -E script | perl -pe script
cases=(
    "inferred|-l ecmascript|[INFO] request|request [INFO]|s/(\\[INFO\\])( )(request)/\\3\\2\\1/g|s/(\\[INFO\\])( )(request)/\$3\$2\$1/g"
    "generalised|-l ecmascript --regex ([[:digit:]]+)-([[:digit:]]+)-([[:digit:]]+) --format \$3/\$2/\$1|||s/([[:digit:]]+)-([[:digit:]]+)-([[:digit:]]+)/\\3\\/\\2\\/\\1/g|s/([[:digit:]]+)-([[:digit:]]+)-([[:digit:]]+)/\$3\\/\$2\\/\$1/g"
)

seconds() {
    local start end
    start=$(date +%s.%N)
    "$@"
    end=$(date +%s.%N)
    echo "$start $end" | awk '{ printf "%.2f", $2 - $1 }'
}

for row in "${cases[@]}"; do
    IFS='|' read -r name options search replace sed_script perl_script <<< "$row"
    read -ra varnel_arguments <<< "$options"
    if [ -n "$search" ]; then
        varnel_arguments+=("$search" "$replace")
    fi
    varnel_arguments+=(--apply "$work/log")
    varnel_time=$(seconds sh -c '"$@" > "'"$work"'/varnel.out"' sh "$varnel_cli" "${varnel_arguments[@]}")
    sed_time=$(seconds sh -c 'sed -E "$1" "$2" > "$3"' sh "$sed_script" "$work/log" "$work/sed.out")
    perl_time=$(seconds sh -c 'perl -pe "$1" "$2" > "$3"' sh "$perl_script" "$work/log" "$work/perl.out")
    cmp "$work/varnel.out" "$work/sed.out"
    cmp "$work/varnel.out" "$work/perl.out"
    if cmp -s "$work/varnel.out" "$work/log"; then
        echo "$name: nothing was replaced" >&2
        exit 1
    fi
    echo "$name: varnel-cli ${varnel_time} s, sed -E ${sed_time} s, perl -pe ${perl_time} s (outputs equal)"
done
