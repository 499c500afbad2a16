#!/bin/bash
# Runs an end-to-end case on Vantrel as a user starts it: START (shell text)
# twice, one run after the other, with the driver attached to each run;
# Wine is ended after. Run on the display and in the prefix of the user's
# Vantrel.
#
#   attached_session.sh DRIVER SCRATCH CASE START
set -uo pipefail
driver=$1 scratch=$2 case=$3 start=$4
echo "$case: \$ $start (twice, one run after the other)"
(
  eval "$start"
  echo "$case: the first run ended ($?)"
  eval "$start"
) &
user=$!
rc=0
wine "$driver" --attach --scratch "$scratch" "$case" || rc=$?
((rc == 0)) || wineserver -k 2>/dev/null || true # a run the driver left
wait "$user" || true
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $rc
