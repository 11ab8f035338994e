; The Windows installer of ORVEX-selection, made with NSIS:
;   makensis -DEXE=<orvex-selection.exe> -DCONSOLE_EXE=<orvex-select.exe> -DOUTFILE=<setup.exe>
;            -DVERSION=<x.y.z> -DICON=<.ico> [-DWIN64, for 64-bit programs] installer.nsi
; The programs go into Program Files: the desktop program and beside it the console program
; orvex-select for scripted and batch selections. The desktop program's Start-menu shortcut
; starts it in the user's own folder "Documents\ORVEX-selection", where it writes its reports,
; drawings and contact details. The uninstaller removes the programs and the shortcut and
; leaves that folder alone.
!ifdef WIN64
  Target amd64-unicode  ; a 64-bit installer for the 64-bit program
!else
  Unicode true
!endif
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define PRODUCT "ORVEX-selection"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!ifdef WIN64
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section "${PRODUCT}"
  SetOutPath "$INSTDIR"
  File "/oname=orvex-selection.exe" "${EXE}"
  File "/oname=orvex-select.exe" "${CONSOLE_EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut's working folder is where the program writes its files.
  SetShellVarContext current
  CreateDirectory "$DOCUMENTS\${PRODUCT}"
  SetOutPath "$DOCUMENTS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\orvex-selection.exe"
  SetOutPath "$INSTDIR"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvex-selection.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\orvex-selection.exe"
  Delete "$INSTDIR\orvex-select.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
