; The Windows installer of the Vorlan keyboard programmer, built by
; scripts/windows-package with
;   makensis -DVERSION=x.y.z -DSTAGE=<staged program folder> -DOUTFILE=<setup.exe>
; It installs the staged folder as it is, adds a Start-menu entry and an
; uninstaller, and offers the program in "Open with" for .txt files without
; taking the .txt file type from the program the user has chosen for it.
Unicode true
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"

Name "Vorlan keyboard programmer ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vorlan"
InstallDirRegKey HKLM "Software\Kelvane\Vorlan" "InstallDir"
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlan"
!define OPENWITH_KEY "Software\Classes\Applications\vorlan.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The languages the program speaks; the installer takes the system's.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Polish"

LangString Needs64Bit ${LANG_ENGLISH} "This program needs 64-bit Windows."
LangString Needs64Bit ${LANG_GERMAN} "Dieses Programm braucht ein 64-Bit-Windows."
LangString Needs64Bit ${LANG_FRENCH} "Ce programme nécessite Windows 64 bits."
LangString Needs64Bit ${LANG_SPANISH} "Este programa necesita Windows de 64 bits."
LangString Needs64Bit ${LANG_ITALIAN} "Questo programma richiede Windows a 64 bit."
LangString Needs64Bit ${LANG_DUTCH} "Dit programma heeft 64-bits Windows nodig."
LangString Needs64Bit ${LANG_POLISH} "Ten program wymaga 64-bitowego systemu Windows."

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Vorlan keyboard programmer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Vorlan keyboard programmer setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "Kelvane"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "$(Needs64Bit)"
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Program"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Kelvane\Vorlan" "InstallDir" "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\Vorlan"
  CreateShortcut "$SMPROGRAMS\Vorlan\Vorlan keyboard programmer.lnk" "$INSTDIR\vorlan.exe"
  CreateShortcut "$SMPROGRAMS\Vorlan\Uninstall.lnk" "$INSTDIR\uninstall.exe"

  ; "Open with" only: the program is listed for .txt files, the default stays.
  WriteRegStr HKLM "${OPENWITH_KEY}" "FriendlyAppName" "Vorlan keyboard programmer"
  WriteRegStr HKLM "${OPENWITH_KEY}\shell\open\command" "" '"$INSTDIR\vorlan.exe" "%1"'
  WriteRegStr HKLM "${OPENWITH_KEY}\SupportedTypes" ".txt" ""
  WriteRegStr HKLM "Software\Classes\.txt\OpenWithList\vorlan.exe" "" ""

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vorlan keyboard programmer"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kelvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorlan.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Vorlan\Vorlan keyboard programmer.lnk"
  Delete "$SMPROGRAMS\Vorlan\Uninstall.lnk"
  RMDir "$SMPROGRAMS\Vorlan"
  DeleteRegKey HKLM "${OPENWITH_KEY}"
  DeleteRegKey HKLM "Software\Classes\.txt\OpenWithList\vorlan.exe"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Kelvane\Vorlan"
  DeleteRegKey /ifempty HKLM "Software\Kelvane"
  ; Only what was installed: the folder may have been chosen with other
  ; files in it. The user's settings (HKCU\Software\Kelvane\vorlan) stay.
  Delete "$INSTDIR\vorlan.exe"
  Delete "$INSTDIR\vorlanctl.exe"
  Delete "$INSTDIR\*.dll"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\help"
  RMDir /r "$INSTDIR\hyphen"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
