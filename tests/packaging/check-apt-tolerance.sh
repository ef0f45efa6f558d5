#!/usr/bin/env bash
# The scripts that ask apt for something go on when `apt-get update` fails the
# way a mirror in mid-sync makes it fail, and stop, naming what is missing,
# only when what they need cannot be had. apt, dpkg-query and the cross
# compiler are stood in for on the PATH; nothing of the machine is changed.
#   check-apt-tolerance.sh SOURCE_DIR
set -uo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fake=$work/bin
mkdir -p "$fake" "$work/etc/sources.list.d" "$work/cache"
printf 'Types: deb\nURIs: http://deb.example/debian\nSuites: bookworm\nComponents: main\n' \
  >"$work/etc/sources.list.d/debian.sources"

# FAKE_SOURCE: "ok" (downloads nothing) or "missing"; FAKE_INSTALL: "ok" or "fail".
cat >"$fake/apt-get" <<FAKE
#!/usr/bin/env bash
echo "apt-get \$*" >>"$work/calls"
case "\$*" in
  *update*) echo "E: Failed to fetch http://security.example/dists/InRelease  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2; exit 100 ;;
  *--print-uris*) [ -f "$work/etc/sources.list.d/vorlan-deb-src.sources" ] || exit 100 ;;
  *source*) [ "\$FAKE_SOURCE" = ok ] || { echo "E: Unable to find a source package for qt6-base" >&2; exit 100; } ;;
  *install*) [ "\$FAKE_INSTALL" = ok ] || { echo "E: Unable to locate package" >&2; exit 100; } ;;
esac
exit 0
FAKE
cat >"$fake/apt-config" <<FAKE
#!/usr/bin/env bash
echo "parts='$work/etc/sources.list.d/'"
echo "list='$work/etc/sources.list'"
FAKE
cat >"$fake/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
# Every package is missing; the host tools have a version.
case "$*" in *qt6-base-dev-tools*Version* | *Version*qt6-base-dev-tools*) echo "6.4.2+dfsg-10" ;; esac
exit 0
FAKE
printf '#!/bin/sh\necho 12-posix\n' >"$fake/x86_64-w64-mingw32-g++-posix"
printf '#!/bin/sh\nexec "$@"\n' >"$fake/sudo"
chmod +x "$fake"/*
export PATH="$fake:$PATH" XDG_CACHE_HOME=$work/cache VORLAN_APT_RETRY_SECONDS=0

failures=0
expect() { # description, wanted status, stderr pattern, command...
  local what=$1 status=$2 pattern=$3
  shift 3
  : >"$work/calls"
  "$@" >/dev/null 2>"$work/err"
  local got=$?
  if [ "$got" -ne "$status" ] || ! grep -q -- "$pattern" "$work/err"; then
    echo "$what: status $got (wanted $status), stderr:" >&2
    sed 's/^/  /' "$work/err" >&2
    failures=$((failures + 1))
  fi
}

# The Qt build: update fails twice, the deb-src list is written and the
# source fetched anyway; the (empty) download then stops it at the tarball.
FAKE_SOURCE=ok expect "build-qt-windows past a failing update" 1 "apt has no qt6-base source" \
  "$root/scripts/build-qt-windows"
[ "$(grep -c update "$work/calls")" -eq 2 ] || { echo "update not tried twice" >&2; failures=$((failures + 1)); }
grep -q "using those there are" "$work/err" || { echo "no word on the stale indexes" >&2; failures=$((failures + 1)); }
[ -f "$work/etc/sources.list.d/vorlan-deb-src.sources" ] || { echo "no deb-src list" >&2; failures=$((failures + 1)); }
FAKE_SOURCE=missing expect "build-qt-windows without the source" 1 "source package qt6-base cannot be had" \
  "$root/scripts/build-qt-windows"

# The packages: a failing update is said and the install goes on; an install
# that fails names what it wanted.
FAKE_INSTALL=ok expect "install-deps past a failing update" 0 "using those there are" "$root/scripts/install-deps"
FAKE_INSTALL=fail expect "install-deps without its packages" 1 "could not be installed: g++" "$root/scripts/install-deps"

exit $((failures > 0))
