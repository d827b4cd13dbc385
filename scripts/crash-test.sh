#!/usr/bin/env bash
# Kill -9 crash test of the database writes: builds the optimised crash test
# program and runs a long series of trials. Each trial starts a process that
# appends, inserts, replaces and deletes draws in a database of about 5,000
# records, kills it with SIGKILL at a random moment and checks that the file
# is exactly the content before or after the step that was running.
#
#   scripts/crash-test.sh [--trials N] [--seed S] [--max-delay-ms M] [--dir D]
#
# Defaults: 1,000 trials, seed 1, kills within 100 ms of the start, a
# temporary folder (give --dir to test another file system). The test command
# runs a short series of 50 trials of the same program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target drawcrash
args=(--trials 1000 "$@")
exec build/release/tools/crashtest/drawcrash drive "${args[@]}"
