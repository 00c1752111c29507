#!/bin/sh
# The directory of the unwritable-export test executable.
# setup DIR: writes the previous export file "新PoisonWeapon.txt" into DIR, readable by all, and
#   takes away the write permission (as root the test runs as uid 65534, for whom root's 755
#   directory is already read-only; another user's directory gets mode 555).
# cleanup DIR: gives DIR its write permission back, so that the build can replace the executable.
set -eu
action=$1
dir=$2
case "$action" in
  setup)
    chmod u+w "$dir"
    rm -f "$dir/新PoisonWeapon.txt"
    printf 'previous export file\r\n' > "$dir/新PoisonWeapon.txt"
    chmod 644 "$dir/新PoisonWeapon.txt"
    if [ "$(id -u)" -eq 0 ]; then chmod 755 "$dir"; else chmod 555 "$dir"; fi
    ;;
  cleanup)
    chmod u+w "$dir"
    ;;
  *)
    echo "usage: $0 setup|cleanup DIR" >&2
    exit 2
    ;;
esac
