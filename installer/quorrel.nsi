; The per-user installer of Quorrel and its uninstaller. CMake builds it (target quorrel_installer) and
; passes with -D: VERSION, the programs SCR and DLL, the ICON and the OUTFILE.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorrel"
!define DESKTOP_KEY "Control Panel\Desktop"
; The screen saver that was current before Quorrel came, kept in the uninstall key for the uninstaller.
!define PREVIOUS_SAVER "QuorrelPreviousScreenSaver"
!define SYNCHRONIZE_TERMINATE 0x00100001
!define WAIT_OBJECT_0 0

Name "Quorrel"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorrel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Quorrel ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenSettingsText)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The system's language picks the texts; the first one serves every language not listed.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
LangString OpenSettingsText ${LANG_ENGLISH} "Open the screen saver settings"
LangString OpenSettingsText ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Quorrel"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Quorrel setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) the Quorrel authors"

; The same helpers for the installer and, prefixed "un.", for the uninstaller.
!macro QUORREL_FUNCTIONS un
  ; Closes the top-level window titled $R0, if there is one, and waits for its program to end so that
  ; it holds no file any more. A program that stays (the settings dialog ignores closing while its
  ; open-file dialog is up) is ended: otherwise its file would outlive the uninstall.
  Function ${un}CloseWindowTitled
    FindWindow $R1 "" $R0
    ${If} $R1 == 0
      Return
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p R1, *i .R2)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE_TERMINATE}, i 0, i R2) p .R3'
    SendMessage $R1 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${If} $R3 == 0
      Return
    ${EndIf}
    System::Call 'kernel32::WaitForSingleObject(p R3, i 5000) i .R4'
    ${If} $R4 != ${WAIT_OBJECT_0}
      System::Call 'kernel32::TerminateProcess(p R3, i 1)'
      System::Call 'kernel32::WaitForSingleObject(p R3, i 5000)'
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p R3)'
  FunctionEnd

  ; Ends a running Quorrel: a run (renderer, then host) or the settings dialog.
  Function ${un}CloseQuorrel
    StrCpy $R0 "Vantor_Render"
    Call ${un}CloseWindowTitled
    StrCpy $R0 "Vantor_Main"
    Call ${un}CloseWindowTitled
    StrCpy $R0 "<Quorrel>"
    Call ${un}CloseWindowTitled
  FunctionEnd

  ; $R0 = 1 when SCRNSAVE.EXE names the Quorrel.scr in $INSTDIR, long or short (the display settings
  ; may store the short form), else 0. Needs the file in place.
  Function ${un}IsQuorrelScreenSaver
    StrCpy $R0 0
    ClearErrors
    ReadRegStr $R1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} ${Errors}
      Return
    ${EndIf}
    GetFullPathName /SHORT $R2 "$INSTDIR\Quorrel.scr"
    ${If} $R1 == "$INSTDIR\Quorrel.scr"
      StrCpy $R0 1
    ${ElseIf} $R2 != ""
    ${AndIf} $R1 == $R2
      StrCpy $R0 1
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro QUORREL_FUNCTIONS ""
!insertmacro QUORREL_FUNCTIONS "un."

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

Section
  Call CloseQuorrel
  SetOutPath "$INSTDIR"
  ; Quorrel.ini, the user's settings, stays as it is.
  File "/oname=Quorrel.scr" "${SCR}"
  File "/oname=Quorrel.dll" "${DLL}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Over an earlier install Quorrel may be current already: then the first install's memory stays.
  Call IsQuorrelScreenSaver
  ${If} $R0 == 0
    ClearErrors
    ReadRegStr $R1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} ${Errors}
      DeleteRegValue HKCU "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
    ${Else}
      WriteRegStr HKCU "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}" $R1
    ${EndIf}
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$INSTDIR\Quorrel.scr"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorrel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorrel.scr"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  SectionGetSize 0 $R0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $R0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Call un.CloseQuorrel
  ; Put the previous screen saver back unless the user has chosen another one since.
  Call un.IsQuorrelScreenSaver
  ${If} $R0 == 1
    ClearErrors
    ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
    ${If} ${Errors}
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $R1
    ${EndIf}
  ${EndIf}
  Delete "$INSTDIR\Quorrel.scr"
  Delete "$INSTDIR\Quorrel.dll"
  Delete "$INSTDIR\Quorrel.ini"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: whatever else the user put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
