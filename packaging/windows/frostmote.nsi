; The Frostmote setup program. packaging/windows/CMakeLists.txt runs makensis on this file with
; FROST_VERSION, FROST_PROGRAM (frostmote.scr), FROST_DATA_MACROS (the data files, generated),
; FROST_ICON and FROST_OUTPUT defined.
;
; /S installs silently, /D=FOLDER (last on the line) picks the folder; the uninstaller takes /S
; too.

Unicode true
; The program is 64-bit, and so is its setup (it cannot start on 32-bit Windows, where the
; program could not run either): $SYSDIR is then the System32 folder the 64-bit display panel
; lists savers from, with no file system redirection to undo.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include "${FROST_DATA_MACROS}"

; The program reads the folder of its data from this value, with no trailing backslash: it
; appends "\config.cfg" and "\scene\data\endcreds.mp3", and reads "scene/data/..." and
; "font.tga" relative to it.
!define FROST_KEY "software\Torvane\ZADevor"
!define FROST_VALUE "path"
!define FROST_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Frostmote"
!define FROST_UNINSTALLER "uninstall.exe"

Name "Frostmote"
OutFile "${FROST_OUTPUT}"
InstallDir "$PROGRAMFILES64\Frostmote"
; Installing again offers the folder of the installation already there.
InstallDirRegKey HKLM "${FROST_KEY}" "${FROST_VALUE}"
BrandingText "Frostmote ${FROST_VERSION}"
VIProductVersion "${FROST_VERSION}.0"
VIAddVersionKey "ProductName" "Frostmote"
VIAddVersionKey "CompanyName" "Torvane"
VIAddVersionKey "FileDescription" "Frostmote setup"
VIAddVersionKey "FileVersion" "${FROST_VERSION}"
VIAddVersionKey "ProductVersion" "${FROST_VERSION}"
VIAddVersionKey "LegalCopyright" "Torvane"

!define MUI_ICON "${FROST_ICON}"
!define MUI_UNICON "${FROST_ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The registry's 64-bit view, where the program looks: a 64-bit setup's own view, said outright.
Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Frostmote"
  SetOutPath "$INSTDIR"
  File "/oname=frostmote.scr" "${FROST_PROGRAM}"
  !insertmacro FROST_INSTALL_DATA
  ; The display panel lists the savers it finds in the system folder; that copy, too, finds its
  ; data through the registry value.
  SetOutPath "$SYSDIR"
  File "/oname=frostmote.scr" "${FROST_PROGRAM}"
  SetOutPath "$INSTDIR"

  WriteRegStr HKLM "${FROST_KEY}" "${FROST_VALUE}" "$INSTDIR"
  ; The configuration dialog saves config.cfg into this folder, which under Program Files only
  ; administrators may write: every user (the Users group, by its SID, the same in every
  ; language) may change files here. Where the tool is missing the folder keeps its rights.
  ExecWait '"$SYSDIR\icacls.exe" "$INSTDIR" /grant *S-1-5-32-545:(OI)(CI)M' $0

  WriteUninstaller "$INSTDIR\${FROST_UNINSTALLER}"
  WriteRegStr HKLM "${FROST_UNINSTALL_KEY}" "DisplayName" "Frostmote"
  WriteRegStr HKLM "${FROST_UNINSTALL_KEY}" "DisplayVersion" "${FROST_VERSION}"
  WriteRegStr HKLM "${FROST_UNINSTALL_KEY}" "Publisher" "Torvane"
  WriteRegStr HKLM "${FROST_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\frostmote.scr"
  WriteRegStr HKLM "${FROST_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${FROST_UNINSTALL_KEY}" "UninstallString" \
    "$\"$INSTDIR\${FROST_UNINSTALLER}$\""
  WriteRegStr HKLM "${FROST_UNINSTALL_KEY}" "QuietUninstallString" \
    "$\"$INSTDIR\${FROST_UNINSTALLER}$\" /S"
  WriteRegDWORD HKLM "${FROST_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${FROST_UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${FROST_UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Only what the setup put down goes, and what the program writes beside it: config.cfg, and
; the temporary it saves through when a save was cut short. Anything else a person put in the
; folder stays, and so does the folder then.
Section "Uninstall"
  Delete "$INSTDIR\frostmote.scr"
  !insertmacro FROST_REMOVE_DATA
  Delete "$INSTDIR\config.cfg"
  Delete "$INSTDIR\config.cfg.new"
  Delete "$INSTDIR\${FROST_UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "$SYSDIR\frostmote.scr"

  DeleteRegValue HKLM "${FROST_KEY}" "${FROST_VALUE}"
  DeleteRegKey /ifempty HKLM "${FROST_KEY}"
  DeleteRegKey /ifempty HKLM "software\Torvane"
  DeleteRegKey HKLM "${FROST_UNINSTALL_KEY}"
SectionEnd
