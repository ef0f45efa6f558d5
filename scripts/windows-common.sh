# Shared by the Windows scripts (sourced): the cross toolchain and the
# header-only libraries the build takes from Debian's packages.

windows_toolchain=$root/cmake/mingw-w64-x86_64.cmake

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
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
  wineboot -i >/dev/null 2>&1
  # Wine's own Windows fonts (Debian's fonts-wine), where a Windows program
  # looks for them. Without Tahoma, Qt's "MS Shell Dlg" falls back to the
  # first family it finds, a math font whose line metrics put the text of
  # every line edit outside its box: the fields look empty.
  if [ -d /usr/share/wine/fonts ]; then
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  # Font smoothing as Windows ships it (ClearType). A new Wine prefix has it
  # off, and then the one-pixel stems of "i" and "l" vanish from the text.
  wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /t REG_SZ /d 2 /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 2 /f >/dev/null 2>&1 || true
}
