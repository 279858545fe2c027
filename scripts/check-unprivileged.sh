#!/bin/sh
# Runs an example whose scenario writes VKS.INI with the given vks-host as
# an unprivileged user (nobody) on the offscreen platform. The run must pass
# although that user cannot write in the program's folder, and must leave
# nothing in its temporary folder. Exit 77 (skipped) when not run as root or
# when nobody cannot reach the program at all (a private folder on the way).
# LD_LIBRARY_PATH is passed on: a package unpacked into a scratch root finds
# its libraries only through it.
# usage: check-unprivileged.sh VKS_HOST [SCENARIO.json]
set -eu
host=${1:?usage: check-unprivileged.sh VKS_HOST [SCENARIO.json]}
here=$(cd "$(dirname "$0")/.." && pwd)
scenario=${2:-$here/examples/keyboard-miles-sale-ini-case.json}
if [ "$(id -u)" != 0 ]; then
  echo "check-unprivileged: skipped: only root can run as nobody" >&2
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tmp"
cp "$scenario" "$work/scenario.json"
chown -R nobody "$work"
as_nobody() {
  setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups \
    env -i PATH=/usr/bin:/bin HOME=/nonexistent QT_QPA_PLATFORM=offscreen TMPDIR="$work/tmp" \
    ${LD_LIBRARY_PATH:+LD_LIBRARY_PATH="$LD_LIBRARY_PATH"} "$@"
}
if ! as_nobody "$host" --version >/dev/null 2>&1; then
  echo "check-unprivileged: skipped: nobody cannot start $host" >&2
  exit 77
fi
if as_nobody test -w "$(dirname "$host")"; then
  echo "check-unprivileged: note: nobody can write in $(dirname "$host"); the check proves less" >&2
fi
status=0
as_nobody "$host" run "$work/scenario.json" --quiet --out "$work/result.json" || status=$?
if [ "$status" != 0 ]; then
  echo "check-unprivileged: $host run $(basename "$scenario") as nobody: exit status $status" >&2
  exit 1
fi
left=$(ls -A "$work/tmp" | grep '^vks-host-' || true)
if [ -n "$left" ]; then
  echo "check-unprivileged: the run left $left in its temporary folder" >&2
  exit 1
fi
echo "check-unprivileged: $(basename "$scenario") passed as nobody"
