#!/usr/bin/env bash
# Runs the file readers' fuzz targets of build-fuzz/ (see the README's Fuzzing
# section), each for RUNS inputs starting from the corpus the build wrote;
# new inputs go to a scratch folder, so the corpus stays as the game wrote it.
# Fails on the first target that finds a fault; the input is left in
# build-fuzz/findings/.
#   scripts/fuzz.sh RUNS [TARGET...]    targets: seqfile config save_ini game_sv map
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:?usage: scripts/fuzz.sh RUNS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(seqfile config save_ini game_sv map)
bin=build-fuzz/fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p build-fuzz/findings
for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t"
  start=$SECONDS
  if ! "$bin/fuzz_$t" -runs="$runs" -artifact_prefix=build-fuzz/findings/"$t"- \
      "$scratch/$t" "$bin/corpus/$t" >"$scratch/$t.log" 2>&1; then
    tail -n 40 "$scratch/$t.log"
    echo "fuzz_$t found a fault; the input is in build-fuzz/findings/" >&2
    exit 1
  fi
  echo "fuzz_$t: $(grep -o 'Done [0-9]* runs' "$scratch/$t.log" | tail -n 1) in $((SECONDS - start)) s"
done
