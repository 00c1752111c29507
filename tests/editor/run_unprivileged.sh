#!/bin/sh
# Runs a test executable as an ordinary user. Root ignores permission bits, so as root it runs
# under the unprivileged uid and gid 65534; any other user runs it as it is.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
run="setpriv --reuid=65534 --regid=65534 --clear-groups --"
if ! $run test -x "$1"; then
  echo "uid 65534 cannot run $1: every directory above it must be searchable by others" >&2
  exit 1
fi
exec $run "$@"
