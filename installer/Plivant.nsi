; Plivant's per-user installer, built by scripts/package: no administrator rights, everything under the current
; user. The program keeps mount.ini and its history beside itself, so it lives in the user's own programs folder.
; Defines (makensis -D): VERSION, PUBLISHER, COPYRIGHT, ARCH (x86 or amd64), PROGRAM (the Plivant.exe to ship),
; ICON (the program's .ico), OUTFILE.
; Exit codes: 0 done; 1 cancelled by the user; 2 Plivant is running (nothing changed); 3 the folder cannot hold
; Plivant (nothing changed); 4 Plivant.exe could not be put in place (nothing changed).

!ifndef VERSION | PUBLISHER | COPYRIGHT | ARCH | PROGRAM | ICON | OUTFILE
  !error "scripts/package passes VERSION, PUBLISHER, COPYRIGHT, ARCH, PROGRAM, ICON and OUTFILE"
!endif

Unicode True
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Plivant"
!define MOUNT_KEY "Software\Classes\Directory\shell\Plivant.Mount"
!define UNMOUNT_KEY "Software\Classes\Drive\shell\Plivant.Unmount"
; The program's single-instance mutex (kInstanceMutexName in src/platform/win32/Win32Platform.h).
!define INSTANCE_MUTEX "Local\Plivant.Instance.3F2A9C"
!define DEFAULT_DIR "$LOCALAPPDATA\Programs\Plivant"

Name "Plivant"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "${DEFAULT_DIR}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "Plivant ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Plivant"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey "FileDescription" "Plivant ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include WinVer.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Plivant.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Plivant"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Whether Plivant runs: the program holds its mutex for as long as it lives. Interactive: asks to close it and
; tries again; silent, or when the user gives up: ends with exit code 2 before anything is changed.
!macro REFUSE_WHILE_RUNNING UN
Function ${UN}RefuseWhileRunning
  again:
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p .r0'
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Plivant is running. Close it (and wait for its splash window to go), then choose Retry." \
      /SD IDCANCEL IDRETRY again
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro REFUSE_WHILE_RUNNING ""
!insertmacro REFUSE_WHILE_RUNNING "un."

; $0: a program file. Leaves 1 in $1 when the Startup folder's Plivant.lnk starts exactly that program, else an
; empty text; changes $2 to $5. A shortcut of that name that starts another program (a portable Plivant's, say)
; is the user's own, and stays.
!macro STARTUP_IS_OURS UN
Function ${UN}StartupIsOurs
  StrCpy $1 ""
  ${If} ${FileExists} "$SMSTARTUP\Plivant.lnk"
    ; CLSID_ShellLink, IShellLinkW; then its IPersistFile's Load (5), its GetPath (3), and Release (2).
    System::Call 'ole32::CoCreateInstance(g "{00021401-0000-0000-C000-000000000046}", p 0, i 1, \
g "{000214F9-0000-0000-C000-000000000046}", *p .r2) i .r3'
    ${If} $3 = 0
      System::Call '$2->0(g "{0000010B-0000-0000-C000-000000000046}", *p .r4) i .r3'
      ${If} $3 = 0
        System::Call '$4->5(w "$SMSTARTUP\Plivant.lnk", i 0) i .r3'
        ${If} $3 = 0
          System::Call '$2->3(w .r5, i ${NSIS_MAX_STRLEN}, p 0, i 0) i .r3'
          ${If} $3 = 0
          ${AndIf} $5 == $0
            StrCpy $1 1
          ${EndIf}
        ${EndIf}
        System::Call '$4->2()'
      ${EndIf}
      System::Call '$2->2()'
    ${EndIf}
  ${EndIf}
FunctionEnd
!macroend
!insertmacro STARTUP_IS_OURS ""
!insertmacro STARTUP_IS_OURS "un."

; $0: a folder. Leaves in $1 an empty text when Plivant can live there, else the reason; changes $2 to $5. Plivant
; finds its own files through the ANSI entry points in its process code page: UTF-8 where Windows honours the
; program's manifest (Windows 10 version 1903, build 18362, and later), where every folder comes back unchanged; on an
; older system the legacy ANSI code page, where the folder must come back unchanged from it (no best-fit substitute, no
; default character). Its data files' paths must stay within MAX_PATH, counted in UTF-16 as the system counts them.
; The round trip passes no flags and no default character: a UTF-8 code page (also Windows' "Use Unicode UTF-8 for
; worldwide language support") refuses those, and every folder would fail.
Function CheckFolder
  StrCpy $5 0
  ${If} ${AtLeastBuild} 18362
    StrCpy $5 65001
  ${EndIf}
  System::Call 'kernel32::WideCharToMultiByte(i r5, i 0, w r0, i -1, p 0, i 0, p 0, p 0) i .r1'
  StrCpy $3 ""
  ${If} $1 > 0
    System::Alloc $1
    Pop $2
    System::Call 'kernel32::WideCharToMultiByte(i r5, i 0, w r0, i -1, p r2, i r1, p 0, p 0) i .r4'
    ${If} $4 = $1
      System::Call 'kernel32::MultiByteToWideChar(i r5, i 0, p r2, i -1, w .r3, i ${NSIS_MAX_STRLEN}) i .r4'
    ${EndIf}
    System::Free $2
  ${EndIf}
  StrLen $4 $0
  ${If} $3 S!= $0
    StrCpy $1 "The folder$\n$0$\nhas characters that Windows' ANSI code page cannot represent, so Plivant could not \
find its own files there."
  ${ElseIf} $4 > 239
    StrCpy $1 "The folder$\n$0$\nhas too long a path: Plivant could not reach its own files there."
  ${Else}
    StrCpy $1 ""
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  StrCpy $0 $INSTDIR
  Call CheckFolder
  ${If} $1 == ""
    Return
  ${EndIf}
  StrCpy $3 $1
  StrCpy $0 "${DEFAULT_DIR}"
  Call CheckFolder
  ${If} $1 == ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "$3$\n$\nThe default folder is used instead."
    StrCpy $INSTDIR "${DEFAULT_DIR}"
    FindWindow $R0 "#32770" "" $HWNDPARENT
    GetDlgItem $R1 $R0 1019
    SendMessage $R1 ${WM_SETTEXT} 0 "STR:$INSTDIR"
  ${Else}
    MessageBox MB_OK|MB_ICONEXCLAMATION "$3$\n$\nPlease choose another folder, for example C:\Plivant."
  ${EndIf}
  Abort
FunctionEnd

Section "Plivant (Start menu, Explorer commands)" SecProgram
  SectionIn RO
  Call RefuseWhileRunning
  SetOutPath "$INSTDIR"
  ; The program file is replaced whole or not at all, whatever stood there before; the data files stay.
  File "/oname=Plivant.exe.new" "${PROGRAM}"
  System::Call 'kernel32::MoveFileExW(w "$INSTDIR\Plivant.exe.new", w "$INSTDIR\Plivant.exe", i 9) i .r0'
  ${If} $0 = 0
    Delete "$INSTDIR\Plivant.exe.new"
    MessageBox MB_OK|MB_ICONSTOP "Plivant.exe could not be replaced in $INSTDIR. Nothing was changed." /SD IDOK
    SetErrorLevel 4
    Quit
  ${EndIf}
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Explorer: the folder's path is the whole command line (so %1 stands unquoted); the drive command removes
  ; that letter's folder mapping and leaves any other drive alone.
  WriteRegStr HKCU "${MOUNT_KEY}" "" "Mount with Plivant"
  WriteRegStr HKCU "${MOUNT_KEY}" "Icon" "$INSTDIR\Plivant.exe,0"
  WriteRegStr HKCU "${MOUNT_KEY}\command" "" '"$INSTDIR\Plivant.exe" %1'
  WriteRegStr HKCU "${UNMOUNT_KEY}" "" "Unmount with Plivant"
  WriteRegStr HKCU "${UNMOUNT_KEY}" "Icon" "$INSTDIR\Plivant.exe,0"
  WriteRegStr HKCU "${UNMOUNT_KEY}\command" "" '"$INSTDIR\Plivant.exe" -%1'

  CreateShortcut "$SMPROGRAMS\Plivant.lnk" "$INSTDIR\Plivant.exe" "" "$INSTDIR\Plivant.exe" 0 SW_SHOWNORMAL "" \
    "Map a folder to a drive letter"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Plivant"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Plivant.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Mount the start-up list at every log-on" SecStartup
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMSTARTUP\Plivant.lnk" "$INSTDIR\Plivant.exe" "/ini" "$INSTDIR\Plivant.exe" 0 SW_SHOWNORMAL "" \
    "Mount Plivant's start-up list"
SectionEnd

Section "-Finish"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    StrCpy $0 "$INSTDIR\Plivant.exe"
    Call StartupIsOurs
    ${If} $1 != ""
      Delete "$SMSTARTUP\Plivant.lnk"
    ${EndIf}
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  ; Explorer reads the new commands and icons at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Function .onInit
  ; /NOSTARTUP leaves the Startup shortcut out; an upgrade keeps the choice made before; a Startup shortcut of the
  ; same name that is the user's own is not replaced unless the user asks for it.
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/NOSTARTUP" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecStartup}
  ${ElseIf} ${FileExists} "$SMSTARTUP\Plivant.lnk"
    ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    StrCpy $0 "$R2\Plivant.exe"
    Call StartupIsOurs
    ${If} $R2 == ""
    ${OrIf} $1 == ""
      !insertmacro UnselectSection ${SecStartup}
    ${EndIf}
  ${Else}
    ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R2 != ""
      !insertmacro UnselectSection ${SecStartup}
    ${EndIf}
  ${EndIf}
  ${If} ${Silent}
    StrCpy $0 $INSTDIR
    Call CheckFolder
    ${If} $1 != ""
      SetErrorLevel 3
      Quit
    ${EndIf}
  ${EndIf}
  Call RefuseWhileRunning
FunctionEnd

Function un.onInit
  Call un.RefuseWhileRunning
FunctionEnd

Section "Uninstall"
  Call un.RefuseWhileRunning
  StrCpy $0 "$INSTDIR\Plivant.exe"
  Call un.StartupIsOurs
  StrCpy $R9 $1
  ClearErrors
  Delete "$INSTDIR\Plivant.exe"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "Plivant.exe could not be removed from $INSTDIR. Nothing was changed." /SD IDOK
    SetErrorLevel 4
    Quit
  ${EndIf}
  Delete "$INSTDIR\Plivant.exe.new"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\Plivant.lnk"
  ${If} $R9 != ""
    Delete "$SMSTARTUP\Plivant.lnk"
  ${EndIf}
  DeleteRegKey HKCU "${MOUNT_KEY}"
  DeleteRegKey HKCU "${UNMOUNT_KEY}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Unfinished rewrites of the data files are no data.
  Delete "$INSTDIR\mount.ini.new~"
  Delete "$INSTDIR\Plivant.ini.new~"
  ${If} ${FileExists} "$INSTDIR\mount.ini"
  ${OrIf} ${FileExists} "$INSTDIR\Plivant.ini"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Delete your start-up list (mount.ini) and your mount history (Plivant.ini) too?$\n$\nChoose No to keep them \
in $INSTDIR for a later installation." /SD IDNO IDNO kept
    Delete "$INSTDIR\mount.ini"
    Delete "$INSTDIR\Plivant.ini"
    kept:
  ${EndIf}
  RMDir "$INSTDIR"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
