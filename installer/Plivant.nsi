; Plivant's per-user installer, built by scripts/package: no administrator rights, everything under the current
; user. The program keeps mount.ini and its history beside itself, so it lives in the user's own programs folder.
; Defines (makensis -D): VERSION, PUBLISHER, COPYRIGHT, ARCH (x86 or amd64), PROGRAM (the Plivant.exe to ship),
; ICON (the program's .ico), LANGUAGES (the translations' include, written by scripts/translations), OUTFILE.
; Exit codes: 0 done; 1 cancelled by the user; 2 Plivant is running (nothing changed); 3 the folder cannot hold
; Plivant (nothing changed); 4 Plivant.exe could not be put in place (nothing changed); 5 /LANG= names no language
; that ships (nothing changed).

!ifndef VERSION | PUBLISHER | COPYRIGHT | ARCH | PROGRAM | ICON | LANGUAGES | OUTFILE
  !error "scripts/package passes VERSION, PUBLISHER, COPYRIGHT, ARCH, PROGRAM, ICON, LANGUAGES and OUTFILE"
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
Page custom LanguagePageShow LanguagePageLeave
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

!include "${LANGUAGES}"
!include nsDialogs.nsh
; What the setup wrote into Plivant's language table, kept with its uninstall entry: Language (the code of the
; language chosen, en for English) and KeysMade (how many keys, from the table's own outward, writing it created);
; in Written, each value it wrote with the text it wrote. A value of the table that still holds that text is the
; setup's, to replace or remove; any other value (changed by hand, or never the setup's) is the user's, and stays.
!define RECORD_KEY "${UNINSTALL_KEY}\Translation"
!define WRITTEN_KEY "${RECORD_KEY}\Written"
; HKEY_CURRENT_USER as the System plugin passes a handle: negative, so that a 64-bit setup sign-extends it as
; Windows expects.
!define HKCU_HANDLE -2147483647
Var LanguageCode  ; the code of the language chosen for Plivant (a translation's file code), en for English
Var LanguageList  ; the language page's list: English, then each translation in the include's order
!define PLIVANT_CODES "en"
!macro PlivantCode CODE LANGID NAME ENGLISH TEXTS
  !define /redef PLIVANT_CODES "${PLIVANT_CODES}, ${CODE}"
!macroend
!insertmacro PlivantLanguages PlivantCode

; $R0: a key under HKEY_CURRENT_USER. Leaves in $R1 0 when the key does not exist, 1 when it holds no value and no
; subkey, 2 when it holds either (or cannot be read); changes $R2 to $R4.
!macro KEY_STATE UN
Function ${UN}KeyState
  StrCpy $R1 2
  System::Call 'advapi32::RegOpenKeyExW(p ${HKCU_HANDLE}, w R0, i 0, i 0x20019, *p .R2) i .R3'
  ${If} $R3 = 2
    StrCpy $R1 0
  ${ElseIf} $R3 = 0
    System::Call 'advapi32::RegQueryInfoKeyW(p R2, p 0, p 0, p 0, *i .R3, p 0, p 0, *i .R4, p 0, p 0, p 0, p 0) i .R1'
    System::Call 'advapi32::RegCloseKey(p R2)'
    ${If} $R1 = 0
    ${AndIf} $R3 = 0
    ${AndIf} $R4 = 0
      StrCpy $R1 1
    ${Else}
      StrCpy $R1 2
    ${EndIf}
  ${EndIf}
FunctionEnd
!macroend
!insertmacro KEY_STATE ""
!insertmacro KEY_STATE "un."

; Counts in $R5 the values of the language table that still hold the text the setup wrote there; with 1 in $R6,
; removes them and forgets what the setup wrote. Changes $R0 to $R3.
!macro OUR_TEXTS UN
Function ${UN}OurTexts
  StrCpy $R0 0
  StrCpy $R5 0
  ${Do}
    EnumRegValue $R1 HKCU "${WRITTEN_KEY}" $R0
    ${If} $R1 == ""
      ${Break}
    ${EndIf}
    ReadRegStr $R2 HKCU "${WRITTEN_KEY}" $R1
    ClearErrors
    ReadRegStr $R3 HKCU "${PLIVANT_LANGUAGE_KEY}" $R1
    ${IfNot} ${Errors}
    ${AndIf} $R3 S== $R2
      IntOp $R5 $R5 + 1
      ${If} $R6 = 1
        DeleteRegValue HKCU "${PLIVANT_LANGUAGE_KEY}" $R1
      ${EndIf}
    ${EndIf}
    IntOp $R0 $R0 + 1
  ${Loop}
  ${If} $R6 = 1
    DeleteRegKey HKCU "${WRITTEN_KEY}"
  ${EndIf}
FunctionEnd
!macroend
!insertmacro OUR_TEXTS ""
!insertmacro OUR_TEXTS "un."

; Removes the language table's key when it holds nothing, then each key above it that the setup created (KeysMade)
; while it holds nothing either: never a key that holds a value or another key. Changes $R0 to $R5.
!macro REMOVE_EMPTY_KEYS UN
Function ${UN}RemoveEmptyKeys
  ReadRegDWORD $R5 HKCU "${RECORD_KEY}" "KeysMade"
  ${If} $R5 < 1
    StrCpy $R5 1
  ${EndIf}
  StrCpy $R0 "${PLIVANT_LANGUAGE_KEY}"
  ${DoWhile} $R5 > 0
    Call ${UN}KeyState
    ${If} $R1 = 2
      ${Break}
    ${ElseIf} $R1 = 1
      DeleteRegKey /ifempty HKCU $R0
    ${EndIf}
    ${GetParent} $R0 $R0
    IntOp $R5 $R5 - 1
  ${Loop}
FunctionEnd
!macroend
!insertmacro REMOVE_EMPTY_KEYS ""
!insertmacro REMOVE_EMPTY_KEYS "un."

; $R0: a LANGID. Leaves in $R1 what a translation made for another variant of the same language stands for: the
; primary language, except that Chinese goes by script (Traditional for Taiwan, Hong Kong, Macao and zh-Hant, so that
; they never get Simplified), and 0x1A, the primary language of Croatian, Serbian and Bosnian, by the whole LANGID.
; Leaves $R0 in decimal; changes $R3.
Function LanguageFamily
  IntOp $R0 $R0 & 0xFFFF
  IntOp $R1 $R0 & 0x3FF
  IntOp $R3 $R0 >> 10
  ${If} $R1 = 0x04
    ${If} $R3 = 0x01
    ${OrIf} $R3 = 0x03
    ${OrIf} $R3 = 0x05
    ${OrIf} $R3 = 0x1F
      StrCpy $R1 "zh-Hant"
    ${Else}
      StrCpy $R1 "zh-Hans"
    ${EndIf}
  ${ElseIf} $R1 = 0x1A
    StrCpy $R1 $R0
  ${EndIf}
FunctionEnd

!macro PlivantExactLanguage CODE LANGID NAME ENGLISH TEXTS
  ${If} $R0 = ${LANGID}
    StrCpy $LanguageCode "${CODE}"
  ${EndIf}
!macroend
!macro PlivantRelatedLanguage CODE LANGID NAME ENGLISH TEXTS
  ${If} $LanguageCode == "en"
    StrCpy $R0 ${LANGID}
    Call LanguageFamily
    ${If} $R1 == $R2
      StrCpy $LanguageCode "${CODE}"
    ${EndIf}
  ${EndIf}
!macroend
; Sets $LanguageCode to the translation for Windows' display language: the one made for it, else one made for another
; variant of the same language (German for de-AT and de-CH, Spanish for es-MX; Portuguese (Brazil) for pt-PT, whose
; readers understand it throughout, the differences being words), else English. Changes $R0 to $R3.
Function DisplayLanguage
  StrCpy $LanguageCode "en"
  System::Call 'kernel32::GetUserDefaultUILanguage() i .R0'
  IntOp $R0 $R0 & 0xFFFF
  !insertmacro PlivantLanguages PlivantExactLanguage
  ${If} $LanguageCode == "en"
    Call LanguageFamily
    StrCpy $R2 $R1
    !insertmacro PlivantLanguages PlivantRelatedLanguage
  ${EndIf}
FunctionEnd

!macro PlivantKnownLanguage CODE LANGID NAME ENGLISH TEXTS
  ${If} $R0 == "${CODE}"
    StrCpy $LanguageCode "${CODE}"
  ${EndIf}
!macroend
; $R0: a language code, in any case. Leaves in $LanguageCode that code as it ships (en for English), or an empty text.
Function KnownLanguage
  StrCpy $LanguageCode ""
  ${If} $R0 == "en"
    StrCpy $LanguageCode "en"
  ${EndIf}
  !insertmacro PlivantLanguages PlivantKnownLanguage
FunctionEnd

; Sets $LanguageCode. /LANG=code chooses it (an unknown code ends the setup with exit code 5 before anything is
; changed). Otherwise an upgrade keeps the earlier setup's choice while a value it wrote still holds its text, and
; takes English when the user has since changed or removed them all (English.reg of the portable zip removes the
; table); a first install takes Windows' display language. The language page shows the choice.
Function ChooseLanguage
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANG=" $R1
  ${IfNot} ${Errors}
    StrCpy $R0 $R1
    Call KnownLanguage
    ${If} $LanguageCode == ""
      MessageBox MB_OK|MB_ICONSTOP "/LANG=$R1 names no language of Plivant. The languages: ${PLIVANT_CODES}." \
        /SD IDOK
      SetErrorLevel 5
      Quit
    ${EndIf}
    Return
  ${EndIf}
  ReadRegStr $R0 HKCU "${RECORD_KEY}" "Language"
  ${If} $R0 != ""
    Call KnownLanguage
    StrCpy $R6 0
    Call OurTexts
    ${If} $R5 = 0
    ${OrIf} $LanguageCode == ""
      StrCpy $LanguageCode "en"
    ${EndIf}
  ${Else}
    Call DisplayLanguage
  ${EndIf}
FunctionEnd

!macro PlivantListLanguage CODE LANGID NAME ENGLISH TEXTS
  ${NSD_LB_AddString} $LanguageList "${NAME} ${U+2013} ${ENGLISH}"
  IntOp $R1 $R1 + 1
  ${If} $LanguageCode == "${CODE}"
    StrCpy $R0 $R1
  ${EndIf}
!macroend
Function LanguagePageShow
  !insertmacro MUI_HEADER_TEXT "Language" "Choose the language of Plivant's windows."
  nsDialogs::Create 1018
  Pop $R0
  ${NSD_CreateLabel} 0 0 100% 20u "Plivant will show its windows, menus and messages in this language. To change it \
later, run this setup again."
  Pop $R0
  ${NSD_CreateListBox} 0 24u 100% -24u ""
  Pop $LanguageList
  ${NSD_LB_AddString} $LanguageList "English"
  StrCpy $R0 0
  StrCpy $R1 0
  !insertmacro PlivantLanguages PlivantListLanguage
  SendMessage $LanguageList ${LB_SETCURSEL} $R0 0
  nsDialogs::Show
FunctionEnd

!macro PlivantPickLanguage CODE LANGID NAME ENGLISH TEXTS
  IntOp $R1 $R1 + 1
  ${If} $R0 = $R1
    StrCpy $LanguageCode "${CODE}"
  ${EndIf}
!macroend
Function LanguagePageLeave
  SendMessage $LanguageList ${LB_GETCURSEL} 0 0 $R0
  ${If} $R0 = 0
    StrCpy $LanguageCode "en"
  ${EndIf}
  StrCpy $R1 0
  !insertmacro PlivantLanguages PlivantPickLanguage
FunctionEnd

; $R0: a value name, $R1 its text. Writes the value into the language table when the table has no value of that
; name (one of the user's, of any type, stays), and records it.
Function WriteText
  StrCpy $R2 "${PLIVANT_LANGUAGE_KEY}"
  System::Call 'advapi32::RegGetValueW(p ${HKCU_HANDLE}, w R2, w R0, i 0xFFFF, p 0, p 0, p 0) i .R2'
  ${If} $R2 = 2
    WriteRegStr HKCU "${PLIVANT_LANGUAGE_KEY}" $R0 $R1
    WriteRegStr HKCU "${WRITTEN_KEY}" $R0 $R1
  ${EndIf}
FunctionEnd
!macro PlivantWriteText ID TEXT
  StrCpy $R0 "${ID}"
  StrCpy $R1 "${TEXT}"
  Call WriteText
!macroend
!macro PlivantWriteLanguage CODE LANGID NAME ENGLISH TEXTS
  ${If} $LanguageCode == "${CODE}"
    !insertmacro ${TEXTS} PlivantWriteText
  ${EndIf}
!macroend

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

; The language table: the values an earlier setup wrote that still hold its texts go, and the chosen language's
; texts fill each value that is then missing, so that a value the user changed stays. English writes none and
; leaves no empty key behind.
Section "-Language"
  StrCpy $R6 1
  Call OurTexts
  ${If} $LanguageCode != "en"
    ; The keys that writing the first text creates, counted from the table's own outward.
    StrCpy $R0 "${PLIVANT_LANGUAGE_KEY}"
    StrCpy $R7 0
    ${Do}
      Call KeyState
      ${If} $R1 <> 0
        ${Break}
      ${EndIf}
      IntOp $R7 $R7 + 1
      ${GetParent} $R0 $R0
    ${Loop}
    ReadRegDWORD $R5 HKCU "${RECORD_KEY}" "KeysMade"
    ${If} $R7 > $R5
      WriteRegDWORD HKCU "${RECORD_KEY}" "KeysMade" $R7
    ${EndIf}
    !insertmacro PlivantLanguages PlivantWriteLanguage
  ${EndIf}
  Call RemoveEmptyKeys
  WriteRegStr HKCU "${RECORD_KEY}" "Language" $LanguageCode
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
  Call ChooseLanguage
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
  StrCpy $R6 1
  Call un.OurTexts
  Call un.RemoveEmptyKeys
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
