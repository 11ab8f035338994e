; The Windows installer of ORVEX-selection, made with NSIS:
;   makensis -DEXE=<orvex-selection.exe> -DCONSOLE_EXE=<orvex-select.exe> -DOUTFILE=<setup.exe>
;            -DOUTFILE_NAME=<its file name> -DVERSION=<x.y.z> -DICON=<.ico> -DSITE=<the maker's site>
;            [-DWIN64, for 64-bit programs] installer.nsi
; The programs go into Program Files for every user of the computer: the desktop program and
; beside it the console program orvex-select for scripted and batch selections. The Start-menu
; shortcut, and the desktop one unless the user unticks it, are every user's; they start the
; program with "--user-folder", so that it works in the Documents\ORVEX-selection of whoever
; starts it, where it writes its reports, drawings and contact details. Neither the installer
; nor the uninstaller changes anything while the program runs: they ask the user to close it,
; and a silent one ends with exit code 2. The uninstaller removes the programs and the
; shortcuts and leaves the users' folders alone.
!ifdef WIN64
  Target amd64-unicode  ; a 64-bit installer for the 64-bit program
!else
  Unicode true
!endif
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "ORVEX-selection"
!define PUBLISHER "ORVEX"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The mutex the running program holds.
!define RUNNING_MARK "Global\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!ifdef WIN64
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"
PESubsysVer 6.1  ; Windows 7 and later, as the programs

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "© ${PUBLISHER}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка ${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "OriginalFilename" "${OUTFILE_NAME}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Запустить ${PRODUCT}"
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsUser
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; Waits until the program no longer runs, asking the user to close it; a silent run, or a
; user who cancels, ends here with exit code 2 and nothing changed. An access refused to the
; mutex means another user's program holds it.
!macro WAIT_UNTIL_CLOSED
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MARK}") p.r0 ?e'
    Pop $1
    ${If} $0 != 0
      System::Call 'kernel32::CloseHandle(p r0)'
    ${ElseIf} $1 <> 5
      ${Break}
    ${EndIf}
    IfSilent +2
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} сейчас запущен. Закройте программу и нажмите «Повтор»." IDRETRY +3
    SetErrorLevel 2
    Quit
  ${Loop}
!macroend

Function .onInit
  !insertmacro WAIT_UNTIL_CLOSED
FunctionEnd

Function un.onInit
  !insertmacro WAIT_UNTIL_CLOSED
FunctionEnd

; The finish page starts the program as the signed-in user through the Explorer, not with
; the installer's administrator rights, so that it works in that user's folder.
Function StartAsUser
  Exec '"$WINDIR\explorer.exe" "$SMPROGRAMS\${PRODUCT}.lnk"'
FunctionEnd

Section "${PRODUCT}"
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=orvex-selection.exe" "${EXE}"
  File "/oname=orvex-select.exe" "${CONSOLE_EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; Earlier versions put the shortcut into the installing user's own Start menu.
  SetShellVarContext current
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  SetShellVarContext all
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\orvex-selection.exe" "--user-folder"

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${SITE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvex-selection.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Ярлык на рабочем столе"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\orvex-selection.exe" "--user-folder"
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  Delete "$INSTDIR\orvex-selection.exe"
  Delete "$INSTDIR\orvex-select.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
