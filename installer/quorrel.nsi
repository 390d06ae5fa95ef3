; The per-user installer of Quorrel and its uninstaller. CMake builds it (target quorrel_installer) and
; passes with -D: VERSION, the FILES folder (the programs and the page about them), the ICON and the
; OUTFILE.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include WinMessages.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorrel"
!define DESKTOP_KEY "Control Panel\Desktop"
; The screen saver that was current before Quorrel came and whether it was switched on, kept in the
; uninstall key for the uninstaller.
!define PREVIOUS_SAVER "QuorrelPreviousScreenSaver"
!define PREVIOUS_ACTIVE "QuorrelPreviousScreenSaveActive"
; The topmost folder the install made for itself: the uninstaller removes the folders up to it, when empty.
!define MADE_FOLDER "QuorrelMadeFolder"
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

!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE RefuseFolderOutsideCodePage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The system's language picks the texts; the first one serves every language not listed.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
; The welcome page's usual text, and the licence.
LangString WelcomeText ${LANG_ENGLISH} "Setup will guide you through the installation of Quorrel ${VERSION}.\
  $\r$\n$\r$\nQuorrel is free software under the MIT licence, copyright The Quorrel authors.\
  $\r$\n$\r$\nClick Next to continue."
LangString WelcomeText ${LANG_JAPANESE} "Quorrel ${VERSION} をインストールします。\
  $\r$\n$\r$\nQuorrel は MIT ライセンスのフリー ソフトウェアです（著作権者 The Quorrel authors）。\
  $\r$\n$\r$\n続けるには [次へ] をクリックしてください。"
LangString OpenSettingsText ${LANG_ENGLISH} "Open the screen saver settings"
LangString OpenSettingsText ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"
LangString FolderOutsideCodePageText ${LANG_ENGLISH} "Quorrel cannot run from this folder: its name holds \
  characters that the language for non-Unicode programs cannot write, and its drive gives it no short \
  (8.3) name.$\r$\n$\r$\n$INSTDIR$\r$\n$\r$\nPlease choose another folder."
LangString FolderOutsideCodePageText ${LANG_JAPANESE} "このフォルダーからは Quorrel を起動できません。\
  フォルダー名に、Unicode 対応ではないプログラムの言語で書けない文字があり、ドライブが短い (8.3 形式の) 名前も\
  付けません。$\r$\n$\r$\n$INSTDIR$\r$\n$\r$\n別のフォルダーを選んでください。"

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

  ; $R0 = 1 when SCRNSAVE.EXE names the Quorrel.scr in folder $R3, long or short (the display settings
  ; may store the short form), else 0. Needs the file in place.
  Function ${un}NamesQuorrelIn
    StrCpy $R0 0
    ClearErrors
    ReadRegStr $R1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} ${Errors}
    ${OrIf} $R3 == ""
      Return
    ${EndIf}
    GetFullPathName /SHORT $R2 "$R3\Quorrel.scr"
    ${If} $R1 == "$R3\Quorrel.scr"
      StrCpy $R0 1
    ${ElseIf} $R2 != ""
    ${AndIf} $R1 == $R2
      StrCpy $R0 1
    ${EndIf}
  FunctionEnd

  ; $R0 = 1 when Quorrel is the current screen saver: the one of the install the registry knows, or the
  ; one in $INSTDIR (an uninstaller started through another spelling of its folder has it in the first).
  Function ${un}IsQuorrelScreenSaver
    ReadRegStr $R3 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    Call ${un}NamesQuorrelIn
    ${If} $R0 == 0
      StrCpy $R3 $INSTDIR
      Call ${un}NamesQuorrelIn
    ${EndIf}
  FunctionEnd

  ; Removes the install folder $R3 when empty, then the folders above it up to $R4, the topmost one the
  ; install made (none when empty), each only when empty.
  Function ${un}RemoveInstallFolders
    RMDir $R3
    ${IfThen} $R4 == "" ${|} Return ${|}
    StrCpy $R5 $R3
    ${DoUntil} $R5 == $R4
      ${GetParent} $R5 $R5
      ${IfThen} $R5 == "" ${|} Return ${|}
      RMDir $R5
    ${Loop}
  FunctionEnd
!macroend
!insertmacro QUORREL_FUNCTIONS ""
!insertmacro QUORREL_FUNCTIONS "un."

; $R0 = 1 when the system code page for non-Unicode programs writes $R1 unchanged; else as it was.
Function CodePageWrites
  System::Call 'kernel32::WideCharToMultiByte(i 0, i 0, w R1, i -1, m .R6, i ${NSIS_MAX_STRLEN}, \
    p 0, p 0) i .R7'
  ${If} $R7 != 0
  ${AndIf} $R6 S== $R1
    StrCpy $R0 1
  ${EndIf}
FunctionEnd

; $R0 = 1 when the programs can reach their files in $INSTDIR, else 0: where only the system code page
; is taken (settings file, music), they go by the folder's name when that code page writes it, else by
; its short (8.3) form. A folder not there yet is made for the test and taken away again, as only the
; drive knows whether it gets a short name.
Function CheckFolderCodePage
  StrCpy $R0 0
  StrCpy $R1 $INSTDIR
  Call CodePageWrites
  ${If} $R0 == 1
    Return
  ${EndIf}
  Call FindFolderToMake
  CreateDirectory $INSTDIR
  GetFullPathName /SHORT $R1 $INSTDIR
  ${If} $R1 != ""
    Call CodePageWrites
  ${EndIf}
  ${If} $R4 != ""
    StrCpy $R3 $INSTDIR
    Call RemoveInstallFolders
  ${EndIf}
FunctionEnd

Function RefuseFolderOutsideCodePage
  Call CheckFolderCodePage
  ${If} $R0 == 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderOutsideCodePageText)"
    Abort
  ${EndIf}
FunctionEnd

; Installed before into folder $R3, the old copy goes: its programs and the folders made for it. Its
; Quorrel.ini waits in the plug-ins folder for the new one, unless that has one of its own (then it stays
; where it is, and so does its folder).
Function RemoveOldCopy
  ${IfNot} ${FileExists} "$INSTDIR\Quorrel.ini"
  ${AndIf} ${FileExists} "$R3\Quorrel.ini"
    CopyFiles /SILENT "$R3\Quorrel.ini" "$PLUGINSDIR"
    ${If} ${FileExists} "$PLUGINSDIR\Quorrel.ini"
      Delete "$R3\Quorrel.ini"
    ${EndIf}
  ${EndIf}
  Delete "$R3\Quorrel.scr"
  Delete "$R3\Quorrel.dll"
  Delete "$R3\Quorrel.html"
  Delete "$R3\Uninstall.exe"
  ReadRegStr $R4 HKCU "${UNINSTALL_KEY}" "${MADE_FOLDER}"
  Call RemoveInstallFolders
FunctionEnd

; $R4 = the topmost folder of $INSTDIR that does not exist yet, empty when $INSTDIR exists.
Function FindFolderToMake
  StrCpy $R4 ""
  StrCpy $R5 $INSTDIR
  ${DoUntil} ${FileExists} "$R5\*.*"
    StrCpy $R4 $R5
    ${GetParent} $R5 $R5
    ${IfThen} $R5 == "" ${|} ${ExitDo} ${|}
  ${Loop}
FunctionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

; Keeps value NAME of KEY in value MEMORY of the uninstall key, or forgets MEMORY when there is no NAME.
!macro REMEMBER_VALUE KEY NAME MEMORY
  ClearErrors
  ReadRegStr $R1 HKCU "${KEY}" "${NAME}"
  ${If} ${Errors}
    DeleteRegValue HKCU "${UNINSTALL_KEY}" "${MEMORY}"
  ${Else}
    WriteRegStr HKCU "${UNINSTALL_KEY}" "${MEMORY}" $R1
  ${EndIf}
!macroend

; The other way round: NAME of KEY as MEMORY remembers it, deleted when MEMORY is not there.
!macro RESTORE_VALUE KEY NAME MEMORY
  ClearErrors
  ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "${MEMORY}"
  ${If} ${Errors}
    DeleteRegValue HKCU "${KEY}" "${NAME}"
  ${Else}
    WriteRegStr HKCU "${KEY}" "${NAME}" $R1
  ${EndIf}
!macroend

Section
  ; A silent install gets here with any folder: it ends as failed before it writes anything.
  Call CheckFolderCodePage
  ${If} $R0 == 0
    SetErrorLevel 2
    Quit
  ${EndIf}
  Call CloseQuorrel
  InitPluginsDir

  ; Over an earlier install Quorrel may be current already: then the first install's memory stays.
  Call IsQuorrelScreenSaver
  StrCpy $R9 $R0
  ; One install per user: one in another folder moves here.
  ReadRegStr $R3 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $R8 HKCU "${UNINSTALL_KEY}" "${MADE_FOLDER}"
  ${If} $R3 != ""
  ${AndIf} $R3 != $INSTDIR
    Call RemoveOldCopy
    Call FindFolderToMake
    StrCpy $R8 $R4
  ${ElseIfNot} ${FileExists} "$INSTDIR\*.*"
    Call FindFolderToMake
    StrCpy $R8 $R4
  ${EndIf}

  SetOutPath "$INSTDIR"
  ; Quorrel.ini, the user's settings, stays as it is.
  File "${FILES}/Quorrel.scr"
  File "${FILES}/Quorrel.dll"
  File "${FILES}/Quorrel.html"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ${If} ${FileExists} "$PLUGINSDIR\Quorrel.ini"
  ${AndIfNot} ${FileExists} "$INSTDIR\Quorrel.ini"
    CopyFiles /SILENT "$PLUGINSDIR\Quorrel.ini" "$INSTDIR"
  ${EndIf}

  ${If} $R9 == 0
    !insertmacro REMEMBER_VALUE "${DESKTOP_KEY}" "SCRNSAVE.EXE" "${PREVIOUS_SAVER}"
    !insertmacro REMEMBER_VALUE "${DESKTOP_KEY}" "ScreenSaveActive" "${PREVIOUS_ACTIVE}"
  ${EndIf}
  ; The short form where the volume has short names: Windows appends " /s" to the value unquoted, and a
  ; path without blanks survives a program that cuts its name at the first blank.
  GetFullPathName /SHORT $R1 "$INSTDIR\Quorrel.scr"
  ${If} $R1 == ""
    StrCpy $R1 "$INSTDIR\Quorrel.scr"
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $R1
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorrel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorrel.scr"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ${If} $R8 == ""
    DeleteRegValue HKCU "${UNINSTALL_KEY}" "${MADE_FOLDER}"
  ${Else}
    WriteRegStr HKCU "${UNINSTALL_KEY}" "${MADE_FOLDER}" $R8
  ${EndIf}
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
    !insertmacro RESTORE_VALUE "${DESKTOP_KEY}" "SCRNSAVE.EXE" "${PREVIOUS_SAVER}"
    !insertmacro RESTORE_VALUE "${DESKTOP_KEY}" "ScreenSaveActive" "${PREVIOUS_ACTIVE}"
  ${EndIf}
  Delete "$INSTDIR\Quorrel.scr"
  Delete "$INSTDIR\Quorrel.dll"
  Delete "$INSTDIR\Quorrel.html"
  Delete "$INSTDIR\Quorrel.ini"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: whatever else the user put there stays. The folders above it are named as the
  ; installer named them, whatever spelling this uninstaller was started through.
  RMDir "$INSTDIR"
  ReadRegStr $R3 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R3 == ""
    StrCpy $R3 $INSTDIR
  ${EndIf}
  ReadRegStr $R4 HKCU "${UNINSTALL_KEY}" "${MADE_FOLDER}"
  Call un.RemoveInstallFolders
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
