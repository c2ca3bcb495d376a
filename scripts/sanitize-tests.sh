#!/usr/bin/env bash
# Builds the session and run-control tests under the thread sanitizer and
# under the address (and undefined-behaviour) sanitizer, each in its own build
# directory, and runs the tests labelled "sanitize". Not part of the default
# test run: each sanitizer build compiles the application library again.
#   scripts/sanitize-tests.sh [thread|address]...   (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."

kinds=("$@")
[ ${#kinds[@]} -eq 0 ] && kinds=(thread address)
jobs="${ORVI_SANITIZE_JOBS:-2}"
targets=(tst_line_split tst_inproc_runner tst_proc_session tst_inproc_session tst_run_control OrviTestEngine)

export QT_QPA_PLATFORM=offscreen

status=0
for kind in "${kinds[@]}"; do
  dir="build-$kind"
  reports="$PWD/$dir/sanitizer-reports"
  rm -rf "$reports"
  mkdir -p "$reports"
  # Reports go to files: during an in-process run descriptor 2 is the
  # engine's output pipe, and a report written there would vanish into it.
  # Qt is not built with the thread sanitizer; its own accesses are left out
  # (ignore_noninstrumented_modules) so that only our code is judged.
  # QProcess forks the engine from a process with threads and execs at once,
  # which the sanitizer refuses unless told (die_after_fork=0).
  export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1 die_after_fork=0 log_path=$reports/tsan"
  export ASAN_OPTIONS="halt_on_error=1 detect_leaks=1 log_path=$reports/asan"
  export UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1 log_path=$reports/ubsan"
  echo "== $kind sanitizer in $dir"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVI_SANITIZE="$kind" >/dev/null
  cmake --build "$dir" --target "${targets[@]}" -j"$jobs"
  ctest --test-dir "$dir" -L sanitize --output-on-failure --timeout 900 || status=1
  if compgen -G "$reports/*" >/dev/null; then
    echo "== $kind sanitizer reports:"
    cat "$reports"/*
    status=1
  else
    echo "== $kind sanitizer: no reports"
  fi
done
exit $status
