# The checks of scripts/test-windows-gui beyond the first window, sourced after
# its helpers (pass, fail, find_window, wait_gone, count_dark, count_colour,
# menu, winpath) and with its variables (stage, work, layout, linux_ctl,
# root, docs) set: the window in other languages on a path outside any ANSI
# code page, the file dialogs with such a path typed in, the window on a screen
# scaled to 150 %, and the installer's round trip.

# The program's own language setting (View > Language), as the window keeps it.
set_language() { # language code, or "" for the system's
  if [ -n "$1" ]; then
    "$windows_wine" reg add 'HKCU\Software\Kelvane\vorlan\View' /v Language /t REG_SZ /d "$1" /f >/dev/null 2>&1
  else
    "$windows_wine" reg delete 'HKCU\Software\Kelvane\vorlan\View' /v Language /f >/dev/null 2>&1 || true
  fi
}

# Opens, programs and saves a layout whose path holds "Łukasz" and "Ωmega" in
# the window of another language, driven by that language's own menu keys.
check_language_window() { # language, File menu key, Programming key, title of "Keyboard programmed"[, recent]
  local language=$1 file_key=$2 program_key=$3 done_title=$4 recent=${5:-}
  local dir="$work/Łukasz/Ωmega $language" win done_win app before
  mkdir -p "$dir"
  local file="$dir/Łukasz Ωmega.txt" received="$dir/received.bin"
  cp "$layout" "$file"
  set_language "$language"
  # Wine takes the arguments in the terminal's encoding: UTF-8.
  LC_ALL=C.UTF-8 "$windows_wine" "$stage/vorlan.exe" --emulate 1 --received "$(winpath "$received")" \
    "$(winpath "$file")" >/dev/null 2>&1 &
  app=$!
  if ! win=$(find_window "Łukasz Ωmega" 60); then
    fail "$language: no window opened the layout under $(basename "$dir")"
    import -window root "$work/no-window-$language.png" || true
    kill "$app" 2>/dev/null || true
    return
  fi
  pass "$language: the window opened $file"
  sleep 2
  import -window root "$work/main-window-$language.png"
  if [ "$docs" = yes ]; then
    eval "$(xdotool getwindowgeometry --shell "$win")"
    convert "$work/main-window-$language.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage \
      "$root/docs/windows-main-window-$language.png"
  fi

  menu "$win" "alt+$file_key" "$program_key"
  for _ in $(seq 1 60); do [ -s "$received" ] && break; sleep 0.5; done
  sleep 1
  cmp -s "$received" "$work/image.bin" &&
    pass "$language: programming sent the layout's $(stat -c %s "$received") bytes" ||
    fail "$language: programming received $(stat -c %s "$received" 2>/dev/null || echo no) bytes"
  # The offer of the next keyboard, in the window's language.
  if done_win=$(find_window "$done_title" 20); then
    pass "$language: \"$done_title\""
    menu "$done_win" Escape
    sleep 1
  else
    fail "$language: no \"$done_title\" window after the run"
  fi

  before=$(stat -c %Y "$file")
  sleep 1.1
  menu "$win" ctrl+s
  sleep 2
  if [ "$(stat -c %Y "$file")" != "$before" ] &&
    "$linux_ctl" show --json "$file" | cmp -s - "$work/show-before.json"; then
    pass "$language: Ctrl+S saved the layout under its Unicode name, read back identically"
  else
    fail "$language: Ctrl+S did not save the layout or it reads back differently"
  fi
  # The layout of the window before is second among the recent files (&2).
  if [ -n "$recent" ]; then
    menu "$win" "alt+$file_key" 2
    find_window "$recent" 20 >/dev/null &&
      pass "$language: File > 2 opened the recent file in \"$recent\"" ||
      fail "$language: File > 2 did not open the recent file in \"$recent\""
  fi
  menu "$win" ctrl+q
  wait_gone "$app" 30 || { fail "$language: Ctrl+Q did not close the window"; kill "$app" 2>/dev/null || true; }
  # The recent files as the registry keeps them (an export is UTF-16).
  "$windows_wine" reg export 'HKCU\Software\Kelvane\vorlan' "$(winpath "$dir/settings.reg")" /y >/dev/null 2>&1 || true
  iconv -f UTF-16 -t UTF-8 "$dir/settings.reg" 2>/dev/null | grep -qF "Ωmega $language\\\\Łukasz Ωmega.txt" &&
    pass "$language: the recent files keep the Unicode name" ||
    fail "$language: the Unicode name is not among the recent files in the registry"
  set_language ""
}

# Types a path into the file dialog titled by the pattern, as a user types
# it, and confirms it; false when no such dialog opened.
type_into_dialog() { # title pattern, path
  local dialog
  dialog=$(find_window "$1" 30) || return 1
  sleep 1
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool key ctrl+a
  xdotool type --delay 40 "$2"
  xdotool key Return
}

# Save As and Open through the system's own file dialogs, the Unicode path
# typed into them as a user types it.
check_file_dialogs() {
  local dir="$work/Łukasz/Ωmega dialog" win app
  mkdir -p "$dir"
  local file="$dir/Łukasz Ωmega 2.txt"
  "$windows_wine" "$stage/vorlan.exe" "$(winpath "$layout")" >/dev/null 2>&1 &
  app=$!
  if ! win=$(find_window "layout.txt" 60); then
    fail "file dialogs: no main window"
    kill "$app" 2>/dev/null || true
    return
  fi
  sleep 1
  menu "$win" alt+f a
  if type_into_dialog "^Save As" "$(winpath "$file")"; then
    for _ in $(seq 1 20); do [ -s "$file" ] && break; sleep 0.5; done
    [ -s "$file" ] && "$linux_ctl" show --json "$file" | cmp -s - "$work/show-before.json" &&
      pass "Save As dialog: the typed Unicode path was written, read back identically" ||
      fail "Save As dialog: nothing readable at the typed Unicode path"
  else
    fail "Save As dialog: none opened"
  fi
  # A new layout, then the file again through the Open dialog.
  menu "$win" ctrl+n
  sleep 1
  menu "$win" ctrl+o
  if type_into_dialog "^Open" "$(winpath "$file")"; then
    find_window "Łukasz Ωmega 2.txt" 20 >/dev/null &&
      pass "Open dialog: the typed Unicode path opened, the title names it" ||
      fail "Open dialog: the typed Unicode path did not open"
  else
    fail "Open dialog: none opened"
  fi
  menu "$win" ctrl+q
  wait_gone "$app" 30 || { fail "file dialogs: Ctrl+Q did not close the window"; kill "$app" 2>/dev/null || true; }
}

# The window on a screen of 144 dpi (150 %): it grows by half, and the grid,
# the key panel and the status bar are drawn whole.
check_scaled_window() { # width, height, key pixels and empty-cell pixels at 100 %
  local base_width=$1 base_height=$2 base_red=$3 base_blue=$4 win app red blue
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  "$windows_wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  "$windows_wine" "$stage/vorlan.exe" "$(winpath "$layout")" >/dev/null 2>&1 &
  app=$!
  if win=$(find_window "layout.txt" 60); then
    sleep 2
    import -window root "$work/main-window-150.png"
    eval "$(xdotool getwindowgeometry --shell "$win")"
    local w_ratio=$((WIDTH * 100 / base_width)) h_ratio=$((HEIGHT * 100 / base_height))
    ((w_ratio >= 140 && w_ratio <= 160 && h_ratio >= 140 && h_ratio <= 160)) &&
      pass "150 %: the window is ${WIDTH}x$HEIGHT (${w_ratio} % and ${h_ratio} % of ${base_width}x$base_height)" ||
      fail "150 %: the window is ${WIDTH}x$HEIGHT against ${base_width}x$base_height at 100 %"
    # Every cell of the grid at 2.25 times its area: none cut off.
    red=$(count_colour "$work/main-window-150.png" "#FF5F49")
    blue=$(count_colour "$work/main-window-150.png" "#103D76")
    local r_ratio=$((red * 100 / base_red)) b_ratio=$((blue * 100 / base_blue))
    ((r_ratio >= 190 && r_ratio <= 260 && b_ratio >= 190 && b_ratio <= 260)) &&
      pass "150 %: the grid is drawn whole ($r_ratio % of the key pixels, $b_ratio % of the empty-cell pixels)" ||
      fail "150 %: the grid is not drawn whole ($r_ratio % of the key pixels, $b_ratio % of the empty-cell pixels)"
    # The panel's Key name field and the status bar, at one and a half times
    # their places at 100 %: text strokes in both.
    local name status
    name=$(count_dark "$work/main-window-150.png" "150x15+$((X + 967))+$((Y + 166))")
    status=$(count_dark "$work/main-window-150.png" "$((WIDTH / 2))x$((HEIGHT / 20))+$X+$((Y + HEIGHT - HEIGHT / 20))")
    ((name > 10 && status > 10)) &&
      pass "150 %: the key panel and the status bar show their text ($name and $status text pixels)" ||
      fail "150 %: the key panel or the status bar looks empty ($name and $status text pixels)"
  else
    fail "150 %: no main window within 60 s"
  fi
  kill "$app" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  "$windows_wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
}

# Where a key of the 64-bit registry view is.
reg64() { "$windows_wine" reg query "$1" /reg:64 "${@:2}" 2>/dev/null | tr -d '\r'; }

# The installer run silently as a user would, then the uninstaller. Debian's
# NSIS writes a 32-bit installer (it runs on every 64-bit Windows): it needs
# the 32-bit Wine, which needs a kernel that runs 32-bit programs. Without it
# the installer's contents are checked instead.
check_installer() { # setup.exe
  local setup=$1 installed="$WINEPREFIX/drive_c/Program Files/Vorlan" menu_dir command exe app win why
  if ! why=$(windows_wine32_status); then
    echo "note installer not run ($why): inspected with 7z instead"
  elif ! env -u WINELOADER "$windows_wine32" "$setup" /S >/dev/null 2>&1 || [ ! -f "$installed/vorlan.exe" ]; then
    fail "installer: did not install under the 32-bit Wine"
    return
  fi
  if [ -n "$why" ]; then
    local listed missing
    listed=$(7z l -slt "$setup" | sed -n 's/^Path = //p' | tr '\\' '/' | sort)
    missing=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(echo "$listed"))
    if [ -z "$missing" ] && grep -qx "uninstall.exe" <<<"$listed"; then
      pass "installer holds all $(cd "$stage" && find . -type f | wc -l) files of the program and an uninstaller"
    else
      fail "installer lacks: ${missing:-uninstall.exe}"
    fi
    return
  fi
  wineserver -w 2>/dev/null || true
  missing=$(cd "$stage" && find . -type f | sed 's|^\./||' | while read -r f; do
    [ -f "$installed/$f" ] || echo "$f"; done)
  [ -z "$missing" ] && pass "installer: the program is in Program Files\\Vorlan, all $(cd "$stage" && find . -type f | wc -l) files" ||
    fail "installer: Program Files\\Vorlan lacks $missing"
  menu_dir=$(find "$WINEPREFIX/drive_c" -type d -path "*Start Menu/Programs/Vorlan" | head -n1)
  [ -n "$menu_dir" ] && [ -f "$menu_dir/Vorlan keyboard programmer.lnk" ] &&
    pass "installer: Start-menu entry \"Vorlan keyboard programmer\"" || fail "installer: no Start-menu entry"
  grep -q "DisplayName.*Vorlan keyboard programmer" <<<"$(reg64 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlan')" &&
    grep -q "UninstallString" <<<"$(reg64 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlan')" &&
    pass "installer: uninstall entry in the registry" || fail "installer: no uninstall entry in the registry"
  reg64 'HKLM\Software\Classes\.txt\OpenWithList\vorlan.exe' >/dev/null &&
    pass "installer: offered in \"Open with\" for .txt" || fail "installer: not in \"Open with\" for .txt"

  # Open a layout the way "Open with" does: the registered command with the
  # file for %1, from the installed place.
  command=$(reg64 'HKLM\Software\Classes\Applications\vorlan.exe\shell\open\command' /ve |
    sed -n 's/.*REG_SZ *//p' || true)
  exe=$(sed -n 's/^"\([^"]*\)".*/\1/p' <<<"$command")
  if [ "$exe" = 'C:\Program Files\Vorlan\vorlan.exe' ] && grep -q '"%1"' <<<"$command"; then
    "$windows_wine" "$exe" "$(winpath "$layout")" >/dev/null 2>&1 &
    app=$!
    if win=$(find_window "layout.txt" 60); then
      pass "installer: the installed program opens a layout through the \"Open with\" command"
      menu "$win" ctrl+q
      wait_gone "$app" 30 || kill "$app" 2>/dev/null || true
    else
      fail "installer: the installed program did not open the layout"
      kill "$app" 2>/dev/null || true
    fi
  else
    fail "installer: the \"Open with\" command is '$command'"
  fi
  wineserver -w 2>/dev/null || true

  # The uninstaller copies itself away and returns at once: wait for Wine to
  # finish. Only the user's settings may stay.
  env -u WINELOADER "$windows_wine32" "$installed/uninstall.exe" /S >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
  for _ in $(seq 1 20); do [ -e "$installed" ] || break; sleep 0.5; done
  local left=""
  [ -e "$installed" ] && left+=" Program Files\\Vorlan"
  [ -n "$(find "$WINEPREFIX/drive_c" -path "*Start Menu/Programs/Vorlan*" | head -n1)" ] && left+=" Start-menu entry"
  for key in 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlan' \
    'HKLM\Software\Classes\Applications\vorlan.exe' 'HKLM\Software\Classes\.txt\OpenWithList\vorlan.exe' \
    'HKLM\Software\Kelvane'; do
    reg64 "$key" >/dev/null && left+=" $key"
  done
  [ -z "$left" ] && pass "uninstaller removed the program, its Start-menu entry and its registry keys" ||
    fail "uninstaller left:$left"
  reg64 'HKCU\Software\Kelvane\vorlan' >/dev/null && pass "uninstaller kept the user's settings" ||
    fail "uninstaller removed the user's settings"
}

# Legends and the layout sheet by vorlanctl.exe (which has them only where
# Qt is) from and to names outside any ANSI code page.
check_unicode_exports() {
  local dir="$work/Łukasz/Ωmega exports" out
  mkdir -p "$dir"
  cp "$layout" "$dir/Łukasz Ωmega.txt"
  for out in "legends Ωmega.pdf" "sheet Łukasz.pdf"; do
    rm -f "$dir/$out"
    # A bounded wait: a program that fails to start may show a message box.
    LC_ALL=C.UTF-8 timeout 120 "$windows_wine" "$stage/vorlanctl.exe" "${out%% *}" "$(winpath "$dir/Łukasz Ωmega.txt")" \
      -o "$(winpath "$dir/$out")" >/dev/null 2>&1 || true
    head -c 5 "$dir/$out" 2>/dev/null | grep -q "%PDF-" && pass "vorlanctl.exe ${out%% *} wrote \"$out\" from \"Łukasz Ωmega.txt\"" ||
      fail "vorlanctl.exe ${out%% *} did not write \"$out\""
  done
}
