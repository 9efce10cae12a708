#!/bin/sh
# large_address_aware.sh OBJDUMP PROGRAM...: fails unless every PROGRAM's PE
# header carries the large-address-aware flag.
objdump=$1
shift
status=0
for program in "$@"; do
  if "$objdump" -p "$program" | grep -q -i '^[[:space:]]*large address aware'; then
    echo "large address aware: $program"
  else
    echo "NOT large address aware: $program"
    status=1
  fi
done
exit $status
