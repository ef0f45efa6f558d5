#!/usr/bin/env bash
# The Windows scripts' choice of Wine loader: a 32-bit loader that cannot run
# on this kernel, one that works and none at all; 64-bit programs never go
# through Debian's `wine` command, which would take the 32-bit loader.
#   check-wine-loaders.sh SOURCE_DIR
set -uo pipefail
root=$1
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
failures=0
expect() { # description, condition...
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

printf '#!/bin/sh\necho "%s: Exec format error" >&2\nexit 126\n' "$fake/wine32-broken" >"$fake/wine32-broken"
printf '#!/bin/sh\necho wine-8.0\n' >"$fake/wine32-working"
printf '#!/bin/sh\necho "%s: cannot open shared object file" >&2\nexit 127\n' "$fake/wine32-odd" >"$fake/wine32-odd"
chmod +x "$fake"/wine32-*

status() { # loader -> what windows_wine32_status prints, then its exit
  (VORLAN_WINE32=$1 && . "$root/scripts/windows-common.sh" && windows_wine32_status; echo "exit $?")
}
out=$(status "$fake/wine32-broken")
expect "an Exec format error means the kernel, and the loader is unusable" \
  grep -qz "this kernel cannot run 32-bit programs.*exit 1" <<<"$out"
out=$(status "$fake/wine32-odd")
expect "another failure is named with the loader's first line" \
  grep -qz "does not start: .*cannot open shared object.*exit 1" <<<"$out"
expect "a working loader is usable and says nothing" [ "$(status "$fake/wine32-working")" = "exit 0" ]
expect "a missing loader is named as not installed" \
  grep -qz "not installed.*exit 1" <<<"$(status "$fake/none")"

chosen=$(VORLAN_WINE32=$fake/wine32-working && . "$root/scripts/windows-common.sh" && echo "$windows_wine")
expect "64-bit programs run through a 64-bit loader ($chosen)" \
  bash -c '[[ "$1" != */wine && "$1" != */wine-stable ]]' _ "$chosen"
# Every start of a Windows program or of wineboot in the scripts goes through
# the named loaders, never the `wine` or `wineboot` commands.
bare=$(grep -n -E '(^|[^-_a-zA-Z0-9/$"])(wine|wineboot)( |$)' "$root"/scripts/* |
  grep -v -E ':[0-9]+:\s*#|"\$windows_wine" wineboot|command -v wine|packages\+=' || true)
expect "no script starts a program through the wine command${bare:+: $bare}" [ -z "$bare" ]

# The kernel probe, asked before the 32-bit Wine is installed, agrees with
# the real 32-bit loader where that one is installed.
if [ -x /usr/lib/wine/wine ]; then
  (. "$root/scripts/windows-common.sh" && windows_kernel_runs_32bit)
  probe=$?
  /usr/lib/wine/wine --version >/dev/null 2>&1
  loader=$?
  expect "the kernel probe ($probe) agrees with the 32-bit Wine ($loader)" [ "$probe" = "$loader" ]
fi
exit $((failures > 0))
