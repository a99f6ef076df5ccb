; The game's setup program for 64-bit Windows, made by scripts/windows with NSIS's makensis:
; installs for the current user without administrator rights (under the user's local
; programs folder, which its directory page can change), makes a Start-menu shortcut and an
; "Apps & features" entry, and its uninstaller takes them all away but the player's settings
; (HKEY_CURRENT_USER\Software\Norvane\Brainlock). /S installs and uninstalls silently.
; Defines: VERSION (and VERSION_QUAD, its four-part form), OUTFILE, ICON, FILES and UNFILES (the install and remove lines of every
; file, made from the staged folder), SIZE_KB (what the files take).
Target amd64-unicode
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
; The files' times are not stored: the same files give the same setup program.
SetDateSave off
ManifestDPIAware true

!define NAME "Brainlock Game"
!define PUBLISHER "Norvane, Inc."
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brainlock Game"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"

Name "${NAME}"
BrandingText "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
; Installed before: the same folder again, replaced in place.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${NAME} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "(c) 2026 ${PUBLISHER}"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; No welcome or finish page: they show NSIS's own picture, and every picture the game ships is
; its own.
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Install"
  SetShellVarContext current
  ; An earlier version's files go first (its uninstaller, run in place and waited for), so
  ; that none it had and this one has not is left behind.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  StrCmp $0 "" fresh
  IfFileExists "$0\uninstall.exe" 0 fresh
  ExecWait '"$0\uninstall.exe" /S _?=$0'
  Delete "$0\uninstall.exe"
fresh:
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut starts the game in its own folder, where it finds its sounds and help page.
  SetOutPath "$INSTDIR"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\brainlock.exe" "" "$INSTDIR\brainlock.exe" 0 \
    SW_SHOWNORMAL "" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\brainlock.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only the files the setup put there: a folder the player chose may hold others of theirs.
Section "Uninstall"
  SetShellVarContext current
  Delete "${SHORTCUT}"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
