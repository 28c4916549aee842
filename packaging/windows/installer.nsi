; The Windows installer of `make windows`, built by scripts/package-windows.sh
; from the unpacked zip, so that it installs exactly the zip's files. The
; script passes:
;   VERSION   the version of CMakeLists.txt, e.g. 0.1
;   VERSION4  the same in four numbers, e.g. 0.1.0.0
;   SIZE_KIB  the size of the installed files, for Add or remove programs
;   FILES     the folder the zip was unpacked into (the files to install)
;   LISTS     a folder with the lists made from FILES: install-files.nsh
;             (a SetOutPath line per folder, an Extract line per file),
;             files.nsh (a FOR_EACH_FILE line per file: its folder and its
;             path) and folders.nsh (a FOR_EACH_FOLDER line per folder,
;             deepest first)
;   ICON      the program's icon
;   PICTURE   the picture beside the finish page (164 x 314, a .bmp)
;   OUTFILE   where the installer goes
; Per machine, into Program Files; the uninstaller removes only the files it
; installed, so an install folder the user shares with other files is safe.
; No file type is associated: every SNES game's save is a .srm.
;
; Never a mix of two versions: before either of them touches a file, the
; installer and the uninstaller make sure that no installed file is in use
; (a running dungeon-ledger.exe holds itself, the Qt DLLs and plugins, and
; Windows refuses to open them for writing), and ask to close the program
; (Retry / Cancel); silent (/S), they end with EXIT_IN_USE and change
; nothing. An update then moves the installed version aside into a folder
; of its own and writes the new one; should any file fail to be written
; (a full disk), the new files go and the moved ones come back.

Unicode true
; The program is 64-bit only; a 64-bit installer also sees the 64-bit
; Program Files and registry without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Dungeon Ledger"
!define PUBLISHER "The Dungeon Ledger developers"
!define EXE "dungeon-ledger.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Where an update keeps the version it replaces until the new one is written.
!define PREVIOUS "previous-version.tmp"
; The exit code of an installer or uninstaller that found the program
; running and changed nothing (winget's manifest names it as "package in
; use"); NSIS itself ends with 1 when the user cancels, 2 when it aborts.
!define EXIT_IN_USE 3

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An update goes where the installed version is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!include MUI2.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; Our own picture, not NSIS's.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${PICTURE}"
; Started through Explorer, so that the program runs as the user and not
; with the installer's administrator rights. Not offered when silent: no
; page shows then.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram

!insertmacro MUI_PAGE_LICENSE "${FILES}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the fallback; NSIS picks the one of the system's language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString InUse ${LANG_ENGLISH} "${PRODUCT} is running: $R0 is in use.$\r$\n$\r$\nClose ${PRODUCT}, then choose Retry. Cancel changes nothing."
LangString InUse ${LANG_JAPANESE} "${PRODUCT} が実行中です（$R0 が使用中です）。$\r$\n$\r$\n${PRODUCT} を閉じてから［再試行］を選んでください。［キャンセル］では何も変更しません。"
LangString NotWritten ${LANG_ENGLISH} "$R0 could not be written. The version installed before is back in place; nothing has changed."
LangString NotWritten ${LANG_JAPANESE} "$R0 を書き込めませんでした。以前のバージョンを元に戻しました。何も変更されていません。"
LangString NotMovedAside ${LANG_ENGLISH} "$R0 could not be moved aside. Nothing has changed."
LangString NotMovedAside ${LANG_JAPANESE} "$R0 を移動できませんでした。何も変更されていません。"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}; GPL-3.0-or-later"

; Runs the lines of files.nsh or folders.nsh with this macro.
!macro ForEach LIST MACRO
  !define FOR_EACH_FILE ${MACRO}
  !define FOR_EACH_FOLDER ${MACRO}
  !include "${LISTS}/${LIST}.nsh"
  !undef FOR_EACH_FILE
  !undef FOR_EACH_FOLDER
!macroend

; $R0 is set to the first installed file that cannot be opened for writing.
!macro FindHeld FOLDER FILE
  ${If} $R0 == ""
  ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
    ClearErrors
    FileOpen $R1 "$INSTDIR\${FILE}" a ; opens, and changes nothing
    ${If} ${Errors}
      StrCpy $R0 "$INSTDIR\${FILE}"
    ${Else}
      FileClose $R1
    ${EndIf}
  ${EndIf}
!macroend

; Before the first file is touched: until no installed file is in use, asks
; to close the program; on Cancel, or at once when silent, ends with
; EXIT_IN_USE.
!macro WaitUntilFreeFunction UN
  Function ${UN}WaitUntilFree
    retry:
    StrCpy $R0 ""
    !insertmacro ForEach files FindHeld
    ${If} $R0 != ""
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(InUse)" /SD IDCANCEL IDRETRY retry
      SetErrorLevel ${EXIT_IN_USE}
      Abort
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro WaitUntilFreeFunction ""
!insertmacro WaitUntilFreeFunction "un."

; An update moves each installed file aside before the new one is written.
; On the first that does not move, $R0 names it.
!macro MoveAside FOLDER FILE
  ${If} $R0 == ""
  ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
    CreateDirectory "$INSTDIR\${PREVIOUS}\${FOLDER}"
    ClearErrors
    Rename "$INSTDIR\${FILE}" "$INSTDIR\${PREVIOUS}\${FILE}"
    ${If} ${Errors}
      StrCpy $R0 "$INSTDIR\${FILE}"
    ${EndIf}
  ${EndIf}
!macroend

; Undoes an update: a file moved aside comes back; $R1 "new" when the new
; files have been written, which then go, also where nothing was moved.
!macro PutBack FOLDER FILE
  ${If} ${FileExists} "$INSTDIR\${PREVIOUS}\${FILE}"
    Delete "$INSTDIR\${FILE}"
    Rename "$INSTDIR\${PREVIOUS}\${FILE}" "$INSTDIR\${FILE}"
  ${ElseIf} $R1 == "new"
    Delete "$INSTDIR\${FILE}"
  ${EndIf}
!macroend

; Removes a folder of the program's if nothing else is in it.
!macro RemoveIfEmpty FOLDER
  RMDir "$INSTDIR\${FOLDER}"
!macroend
!macro RemovePreviousIfEmpty FOLDER
  RMDir "$INSTDIR\${PREVIOUS}\${FOLDER}"
!macroend

; Writes one new file (SOURCE, in FILES); on the first that is not written,
; $R0 names it and the rest are skipped.
!macro Extract FILE SOURCE
  ${If} $R0 == ""
    ClearErrors
    File "${SOURCE}"
    ${If} ${Errors}
      StrCpy $R0 "$INSTDIR\${FILE}"
    ${EndIf}
  ${EndIf}
!macroend

!macro RemoveFile FOLDER FILE
  Delete "$INSTDIR\${FILE}"
!macroend

Function PutBackPrevious
  !insertmacro ForEach files PutBack
  !insertmacro PutBack "" "${UNINSTALLER}"
  !insertmacro ForEach folders RemovePreviousIfEmpty
  RMDir "$INSTDIR\${PREVIOUS}"
  ${If} $R1 == "new"
    !insertmacro ForEach folders RemoveIfEmpty
    RMDir "$INSTDIR"
  ${EndIf}
FunctionEnd

Function RunProgram
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\${EXE}"'
FunctionEnd

Section
  ; The shortcut goes to every user's Start menu, as the files are everyone's.
  SetShellVarContext all
  Call WaitUntilFree

  ; What an update that was cut off (the power lost) left aside is of no
  ; use: the whole new version is about to be written.
  RMDir /r "$INSTDIR\${PREVIOUS}"
  StrCpy $R0 ""
  StrCpy $R1 ""
  !insertmacro ForEach files MoveAside
  !insertmacro MoveAside "" "${UNINSTALLER}"
  ${If} $R0 != ""
    Call PutBackPrevious
    MessageBox MB_OK|MB_ICONSTOP "$(NotMovedAside)" /SD IDOK
    Abort "$(NotMovedAside)"
  ${EndIf}

  ; Nothing to overwrite now; a file that cannot be written sets the error
  ; flag instead of asking to skip it.
  SetOverwrite try
  !include "${LISTS}/install-files.nsh"
  SetOutPath "$INSTDIR"
  ${If} $R0 == ""
    ClearErrors
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ${If} ${Errors}
      StrCpy $R0 "$INSTDIR\${UNINSTALLER}"
    ${EndIf}
  ${EndIf}
  ${If} $R0 != ""
    StrCpy $R1 "new"
    Call PutBackPrevious
    MessageBox MB_OK|MB_ICONSTOP "$(NotWritten)" /SD IDOK
    Abort "$(NotWritten)"
  ${EndIf}
  RMDir /r "$INSTDIR\${PREVIOUS}"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KIB}
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  ; Nothing to change or repair: one program, no options.
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Call un.WaitUntilFree
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro ForEach files RemoveFile
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: anything the user put there stays.
  !insertmacro ForEach folders RemoveIfEmpty
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
