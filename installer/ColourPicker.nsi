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

;; A running copy of the program holds a mutex named for its folder. The name is made as the
;; program makes it (win32/SingleInstance.cpp): the folder's final path as the file system
;; resolves it (a drive's root "P:" taken as "P:\", not the drive's current folder), upper-cased,
;; hashed by the system's HashData into 8 bytes, written as two 32-bit hexadecimal halves. Change
;; one, change both.
!macro RunningCopyFunctions UN
; $0 = the name for $INSTDIR. Uses $1 to $4.
Function ${UN}InstanceName
  StrCpy $0 "$INSTDIR"
  StrLen $1 $0
  StrCmp $1 2 0 resolve
  StrCpy $2 $0 1 1
  StrCmp $2 ":" 0 resolve
  StrCpy $0 "$0\"
resolve:
  System::Call 'kernel32::CreateFileW(w r0, i 0x80, i 7, p 0, i 3, i 0x02000000, p 0) p.r1'
  StrCmp $1 "-1" upper
  System::Call 'kernel32::GetFinalPathNameByHandleW(p r1, w .r2, i ${NSIS_MAX_STRLEN}, i 0) i.r3'
  System::Call 'kernel32::CloseHandle(p r1)'
  IntCmp $3 0 upper upper
  IntCmp $3 ${NSIS_MAX_STRLEN} upper 0 upper
  StrCpy $0 $2
upper:
  System::Call 'kernel32::LCMapStringW(i 0x7f, i 0x200, w r0, i -1, w .r2, i ${NSIS_MAX_STRLEN}) i.r3'
  IntCmp $3 0 hash hash
  StrCpy $0 $2
hash:
  StrLen $3 $0
  IntOp $3 $3 * 2
  System::Call '*(i 0, i 0) p.r4'
  System::Call 'shlwapi::HashData(w r0, i r3, p r4, i 8)'
  System::Call '*$4(i .r1, i .r2)'
  System::Free $4
  IntFmt $1 "%08X" $1
  IntFmt $2 "%08X" $2
  StrCpy $0 "ColourPicker-$1$2"
FunctionEnd

; Files in use cannot be replaced or removed: until the copy running from $INSTDIR has ended, ask
; the user to close it. Cancel (and a silent run) stops here with error level 2.
Function ${UN}CloseRunningCopy
  Call ${UN}InstanceName
check:
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Local\$0") p.r1 ?e'
  Pop $2
  StrCmp $1 0 0 running
  ; Denied: a copy run as administrator holds it.
  StrCmp $2 5 running done
running:
  System::Call 'kernel32::CloseHandle(p r1)'
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "取色器正在运行。请先关闭它（窗口右上角的关闭按钮），再点“重试”。" /SD IDCANCEL IDRETRY check
  SetErrorLevel 2
  Abort "取色器正在运行，没有改动任何文件。"
done:
FunctionEnd
!macroend
!insertmacro RunningCopyFunctions ""
!insertmacro RunningCopyFunctions "un."

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Section
  Call CloseRunningCopy
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
  Call un.CloseRunningCopy
  ; The program first: while it cannot go, nothing else does, and the entry in the installed
  ; programs stays with the uninstaller it names.
  Delete "$INSTDIR\${EXE}"
  IfFileExists "$INSTDIR\${EXE}" 0 program_removed
    MessageBox MB_OK|MB_ICONSTOP "无法删除 $INSTDIR\${EXE}，卸载没有完成。" /SD IDOK
    SetErrorLevel 2
    Abort "无法删除 $INSTDIR\${EXE}。"
  program_removed:
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
