# Shared by the Windows scripts (sourced): the cross toolchain and the
# header-only libraries the build takes from Debian's packages.

windows_toolchain=${root:-.}/cmake/mingw-w64-x86_64.cmake

# Wine's loaders. Debian's `wine` command prefers the 32-bit loader as soon as
# the 32-bit Wine (wine32) is installed, and on a kernel that cannot run 32-bit
# programs that loader fails for everything ("Exec format error"), 64-bit
# programs included. So every 64-bit program runs through the 64-bit loader,
# named here once; only NSIS's 32-bit installer and uninstaller need the other.
windows_wine=${VORLAN_WINE64:-/usr/lib/wine/wine64}
[ -x "$windows_wine" ] || windows_wine=$(command -v wine64 || command -v wine || echo wine64)
windows_wine32=${VORLAN_WINE32:-/usr/lib/wine/wine}

# Whether this kernel runs 32-bit x86 programs at all, asked before the 32-bit
# Wine is installed: a minimal 32-bit executable that only exits 0 (an ELF
# header, one loadable segment, then mov eax,1 / xor ebx,ebx / int 0x80).
windows_kernel_runs_32bit() {
  local dir status
  dir=$(mktemp -d)
  printf '%b' \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
    '\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00' \
    '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$dir/probe32"
  chmod +x "$dir/probe32"
  "$dir/probe32" 2>/dev/null && status=0 || status=1
  rm -rf "$dir"
  return $status
}

# Whether the 32-bit loader can run a program here. Prints why not, in words
# a test log can show, and fails; prints nothing when it works.
windows_wine32_status() {
  local out
  if [ ! -x "$windows_wine32" ]; then
    echo "the 32-bit Wine (wine32) is not installed"
    return 1
  fi
  if ! out=$("$windows_wine32" --version 2>&1); then
    if grep -q "Exec format error" <<<"$out"; then
      echo "this kernel cannot run 32-bit programs (the 32-bit Wine: Exec format error)"
    else
      echo "the 32-bit Wine does not start: ${out%%$'\n'*}"
    fi
    return 1
  fi
}

# Copies the header-only libraries into a prefix of their own, so their CMake
# packages point there and never at /usr/include (whose C library headers
# would shadow MinGW's).
windows_header_deps() { # prefix
  local deps=$1
  if [ ! -f "$deps/share/cmake/nlohmann_json/nlohmann_jsonConfig.cmake" ]; then
    mkdir -p "$deps/include" "$deps/share/cmake"
    cp -r /usr/include/nlohmann "$deps/include/"
    cp -r /usr/share/cmake/nlohmann_json "$deps/share/cmake/"
  fi
}

# A fresh Wine prefix for this run, removed on exit: nothing a previous run
# left behind can make a test pass. Mono and Gecko are not needed and would
# only be offered for download.
windows_wine_prefix() {
  WINEPREFIX=$(mktemp -d /tmp/vorlan-wine.XXXXXX)
  # The loader for programs that Windows programs start, set as Debian's `wine`
  # command sets it when it runs the 64-bit loader; the 32-bit installer unsets it.
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINELOADER=$windows_wine
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
  "$windows_wine" wineboot -i >/dev/null 2>&1
  # Wine's own Windows fonts (Debian's fonts-wine), where a Windows program
  # looks for them. Without Tahoma, Qt's "MS Shell Dlg" falls back to the
  # first family it finds, a math font whose line metrics put the text of
  # every line edit outside its box: the fields look empty.
  if [ -d /usr/share/wine/fonts ]; then
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  # Font smoothing as Windows ships it (ClearType). A new Wine prefix has it
  # off, and then the one-pixel stems of "i" and "l" vanish from the text.
  "$windows_wine" reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /t REG_SZ /d 2 /f >/dev/null 2>&1 || true
  "$windows_wine" reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 2 /f >/dev/null 2>&1 || true
}
