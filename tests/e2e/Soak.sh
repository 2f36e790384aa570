#!/bin/bash
# Ten thousand headless games spread over every level and every choice of jokers and bombs; any broken rule fails.
# Usage: Soak.sh <folder with brindlow-simulator>; BRINDLOW_SOAK_SEED changes the games played.
set -u
simulator=$1/brindlow-simulator
[ -x "$simulator" ] || { echo "FAIL: no simulator at $simulator" >&2; exit 1; }
seed=${BRINDLOW_SOAK_SEED:-20261208}
total=10000 configurations=12 played=0 failures=0 index=0

for level in 0 1 2; do
  for options in "" "--jokers" "--bombs" "--jokers --bombs"; do
    # The remainder goes to the first configurations, so that the games add up to the total exactly.
    games=$((total / configurations + (index < total % configurations ? 1 : 0)))
    report=$("$simulator" --games "$games" --level "$level" $options --seed $((seed + index)) 2>&1)
    status=$?
    echo "level $level ${options:-plain}, seed $((seed + index)): $report" | head -n 3
    if [ "$status" -ne 0 ]; then
      echo "FAIL: level $level ${options:-plain} ended with status $status" >&2
      failures=$((failures + 1))
    elif [ "${report%% games*}" != "$games" ]; then
      echo "FAIL: level $level ${options:-plain} played ${report%% games*} of $games games" >&2
      failures=$((failures + 1))
    fi
    played=$((played + games)) index=$((index + 1))
  done
done
echo "$played games in $SECONDS s, $failures failing configurations"
[ "$failures" -eq 0 ] && [ "$played" -eq "$total" ]
