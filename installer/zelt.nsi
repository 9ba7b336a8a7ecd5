; Zelt's installer and uninstaller, built by the target zelt_package
; (cmake/package.cmake), which passes ZELT_PACKAGE_NSH: the product texts, the
; folder holding the files to ship and the list of their names.
;
; A per-user install: nothing asks for elevation and nothing is written
; outside the user's profile, so the program's folder, where Zelt keeps its
; backup file, stays writable. Every message box names the answer a silent
; run (/S) takes, so a silent install or uninstall never stops to ask.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "${ZELT_PACKAGE_NSH}"
!include MUI2.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelt"
!define SHORTCUT "$SMPROGRAMS\${ZELT_PRODUCT_NAME}.lnk"
; The class name of Zelt's main window.
!define MAIN_WINDOW_CLASS "Zelt"

Name "Zelt"
OutFile "${ZELT_OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zelt"
; An update goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ZELT_ICON}"
!define MUI_UNICON "${ZELT_ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Zelt.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${ZELT_PRODUCT_NAME}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${ZELT_VERSION_DOTTED}"
VIFileVersion "${ZELT_VERSION_DOTTED}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${ZELT_PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${ZELT_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${ZELT_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${ZELT_PRODUCT_NAME} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${ZELT_PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${ZELT_COPYRIGHT}"

!macro InstallFile NAME
  File "${ZELT_FILES_DIR}/${NAME}"
!macroend

!macro RemoveFile NAME
  Delete "$INSTDIR\${NAME}"
!macroend

; Adds the size of one installed file, in bytes, to $0.
!macro AddFileSize NAME
  FileOpen $1 "$INSTDIR\${NAME}" r
  FileSeek $1 0 END $2
  FileClose $1
  IntOp $0 $0 + $2
!macroend

; A running Zelt holds its program file open and writes its backup file when
; it closes: replacing or removing the files under it would leave a mixed or
; half-removed install. Leaves 1 in $0 once no Zelt window is open, 0 when
; the user gives up (a silent run gives up at once).
!macro DefineZeltClosedCheck PREFIX
Function ${PREFIX}ZeltIsClosed
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 = 0
      StrCpy $0 1
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Zelt is running. Close Zelt, then choose Retry." /SD IDCANCEL IDRETRY retry
    StrCpy $0 0
    Return
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro DefineZeltClosedCheck ""
!insertmacro DefineZeltClosedCheck "un."

Function .onInit
  Call ZeltIsClosed
  ${If} $0 = 0
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

Function un.onInit
  Call un.ZeltIsClosed
  ${If} $0 = 0
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

Section "Zelt"
  SetOutPath "$INSTDIR"
  !insertmacro ZeltForEachFile InstallFile
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\Zelt.exe" "" "$INSTDIR\Zelt.exe" 0 \
    SW_SHOWNORMAL "" "${ZELT_PRODUCT_NAME}"

  StrCpy $0 0
  !insertmacro ZeltForEachFile AddFileSize
  !insertmacro AddFileSize "Uninstall.exe"
  IntOp $0 $0 + 1023
  IntOp $0 $0 / 1024

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${ZELT_PRODUCT_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${ZELT_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${ZELT_PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zelt.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ; Quoted: the folder may hold spaces.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes only what the installer put there, by name. The folder itself goes
; only when nothing else is left in it: the backup file Zelt writes beside
; itself and any data file the user saved there stay, and so does the folder.
Section "Uninstall"
  !insertmacro ZeltForEachFile RemoveFile
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
