; The Solvanta installer: Program Files (64-bit), a Start-menu folder, an uninstaller
; registered with the system, German pages. makensis is given the folder holding the files to
; install (-DSOURCE=...), the version (-DVERSION=...) and the output file (-DOUTFILE=...).
; A 64-bit installer for a 64-bit program: it also runs where no 32-bit layer is installed.
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "x64.nsh"

!ifndef SOURCE
  !error "SOURCE (the folder with Solvanta.exe) is not set"
!endif
!ifndef VERSION
  !define VERSION "1.37"
!endif
!ifndef OUTFILE
  !define OUTFILE "Solvanta-${VERSION}-Setup.exe"
!endif

!define PRODUCT "Solvanta"
!define PUBLISHER "Solvanta developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Solvanta"
!define STARTMENU "$SMPROGRAMS\Solvanta"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Solvanta"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "MIT-Lizenz, ${PUBLISHER}"

!define MUI_ABORTWARNING
!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Solvanta.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Solvanta benötigt ein 64-Bit-System." /SD IDOK
    Abort
  ${EndIf}
  ; The uninstall key and the shortcuts belong to the 64-bit system and all users.
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Solvanta" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${SOURCE}\Solvanta.exe"
  File "${SOURCE}\Solvanta.chm"
  File "${SOURCE}\README.md"
  File "${SOURCE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  CreateDirectory "${STARTMENU}"
  CreateShortcut "${STARTMENU}\Solvanta.lnk" "$INSTDIR\Solvanta.exe"
  CreateShortcut "${STARTMENU}\Solvanta-Hilfe.lnk" "$INSTDIR\Solvanta.chm"
  CreateShortcut "${STARTMENU}\Solvanta deinstallieren.lnk" "$INSTDIR\Deinstallieren.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Solvanta.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's own data (settings, favorites, arrangements in the application data folder)
; stays: a later installation finds it again.
Section "Uninstall"
  Delete "${STARTMENU}\Solvanta.lnk"
  Delete "${STARTMENU}\Solvanta-Hilfe.lnk"
  Delete "${STARTMENU}\Solvanta deinstallieren.lnk"
  RMDir "${STARTMENU}"

  Delete "$INSTDIR\Solvanta.exe"
  Delete "$INSTDIR\Solvanta.chm"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
