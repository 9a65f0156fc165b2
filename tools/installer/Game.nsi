; The game's Windows installer, built by scripts/release.sh with makensis:
;   makensis -DPRODUCT_NSH=... -DGAME_EXE=... -DREADME=... -DICON=... -DOUTFILE=... [-DWIN64] Game.nsi
; It puts the game under Program Files (the 32-bit one on 64-bit Windows),
; adds a Start-menu shortcut for all users, and registers an uninstaller in
; the system's list of installed programs. The uninstaller removes exactly
; what the installer added. /S installs and uninstalls silently.
; WIN64 makes a 64-bit installer of the x86_64 build, which installs into
; the 64-bit Program Files and registry view: the same script tested where
; no 32-bit code can run.

Unicode true
!ifdef WIN64
  Target amd64-unicode
!endif
!include "${PRODUCT_NSH}"   ; PRODUCT_NAME, PUBLISHER, EXE_NAME, VERSION, VERSION_QUAD
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${EXE_NAME}"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT_NAME}.lnk"

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
!ifdef WIN64
  InstallDir "$PROGRAMFILES64\${PRODUCT_NAME}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT_NAME}"
!endif
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey "FileVersion" "${VERSION_QUAD}"
VIAddVersionKey "ProductVersion" "${VERSION_QUAD}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE_NAME}.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Turkish"
!insertmacro MUI_LANGUAGE "English"

!macro Views
  SetShellVarContext all
  !ifdef WIN64
    SetRegView 64
  !endif
!macroend

Function .onInit
  !insertmacro Views
FunctionEnd

Function un.onInit
  !insertmacro Views
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "/oname=${EXE_NAME}.exe" "${GAME_EXE}"
  File "/oname=README.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE_NAME}.exe" "" "$INSTDIR\${EXE_NAME}.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE_NAME}.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; The installed size in KiB, as the list of installed programs shows it.
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\${EXE_NAME}.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only an empty folder goes: anything the player put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
