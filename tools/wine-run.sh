#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (inside build/).
# A test program that ends in the middle of its cases (a crash) fails, and its
# output then names the case that was running and each case that did not run.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
wine "$@" | tee "$out"
status=${PIPESTATUS[0]}
# GoogleTest names each case as it starts and ends, and its last lines say how
# many ran.
tr -d '\r' <"$out" | awk '/^\[ RUN      \]/ {n++} /^\[==========\] .* ran\./ {done=1} END {exit !(n && !done)}' ||
    exit "$status"
wine "$@" --gtest_list_tests | tr -d '\r' | awk -v status="$status" '
    FNR == NR && /^\[ RUN      \]/ { started[$4] = 1; running = $4 }
    FNR == NR && /^\[ +(OK|FAILED|SKIPPED) +\]/ && $4 == running { running = "" }
    FNR == NR { next }
    /^[^ ]/ { suite = $1 }
    /^  / && !started[suite $1] { notRun[++n] = suite $1 }
    END {
        print "[ CRASHED  ] " (running == "" ? "between two cases" : running) ": the program ended with status " status
        for (i = 1; i <= n; ++i)
            print "[ NOT RUN  ] " notRun[i]
        print "[==========] cases that did not run: " n
    }' <(tr -d '\r' <"$out") -
exit $((status ? status : 1))
