# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What every shell test shares: source it, check each point, and end with `finish`, which prints
# "N passed, N failed" and exits non-zero when any point failed.
#   check <what> <command...>    runs the command; PASS or FAIL with what it checked; with
#                                CHECK_QUIET set, the command's output is shown only on a failure
#   within <seconds> <command...> the command succeeds within that time (polled; bounded)
#   finish                       the summary line and the exit status

passes=0 failures=0

check() {
    local what=$1 out status=0
    shift
    if [[ -n ${CHECK_QUIET:-} ]]; then
        out=$("$@" 2>&1) || status=$?
    else
        "$@" || status=$?
    fi
    if ((status == 0)); then
        echo "PASS: $what"
        passes=$((passes + 1))
    else
        echo "FAIL: $what"
        [[ -z ${out:-} ]] || sed 's/^/    /' <<<"$out"
        failures=$((failures + 1))
    fi
}

within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

finish() {
    echo "$passes passed, $failures failed"
    exit $((failures > 0))
}
