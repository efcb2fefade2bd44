; The installer: copies the program folder to a folder the user chooses, adds a Start-menu entry
; and an uninstaller. Built by cmake/MakePackages.cmake, which passes
;   VERSION, VERSION_QUAD  the project version (1.2.3 and 1.2.3.0)
;   FOLDER                 the staged program folder, relative to the working directory
;   OUTFILE                where the installer goes
; and writes ProgramFiles.nsh: the macros that install and delete every program file but path.ini.
;
; The program writes path.ini beside itself, so it goes where the user may write: under the user's
; own programs folder by default, and the installer never asks for administrator rights.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "取色器"
!define EXE "ColourPicker.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ColourPicker"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\ColourPicker"
; An update goes where the last installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

; The version block names no copyright holder.
!pragma warning disable 9100
VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} ${VERSION} 安装程序"

!include "MUI2.nsh"
!include "ProgramFiles.nsh"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Section
  !insertmacro InstallProgramFiles
  ; The shipped settings go in only where there are none: an update keeps the user's colours and hotkeys.
  SetOverwrite off
  File "${FOLDER}/path.ini"
  SetOverwrite on

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ; The shortcut starts the program in its own folder.
  SetOutPath "$INSTDIR"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only what was installed goes: a skin the user added stays, and so does a folder that holds it.
  !insertmacro UninstallProgramFiles
  ; path.ini holds the user's saved colours and hotkeys. A silent uninstall keeps it.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "是否同时删除设置文件 path.ini？$\r$\n其中保存着你的颜色和热键设置。选择“否”则保留它。" \
    /SD IDNO IDNO keep_settings
    Delete "$INSTDIR\path.ini"
  keep_settings:
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
