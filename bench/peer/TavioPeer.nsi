; The benchmarks' peer: the installer a packager would pick instead of ours, doing the
; same work with the same payload. Built by scripts/bench:
;   makensis -DFILES=<unpacked payload> -DOUT=<installer> [-DTARGET=amd64-unicode] TavioPeer.nsi
; Without FILES it is the same installer with no payload: its size is the peer's overhead.
; Silent with /S. Everything it writes is what the end-to-end checks read back from
; ours: the files, the four shortcuts, the Run value, the uninstall entry's seven
; values, the channel tag's folder, the plug-in's registration and the player's start.
Unicode true
!ifdef TARGET
Target ${TARGET} ; amd64-unicode: the peer of our x86-64 installer
!endif
SetCompressor /SOLID lzma
; Shipped as its best engineers would ship it for speed: no pass over the whole file
; before the first page (ours checks the payload while unpacking, through 7z's CRCs).
CRCCheck off
RequestExecutionLevel highest
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include LogicLib.nsh

!define PLAYER "塔维欧"
!define HOME_PAGE "https://www.tavio.cn/"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PLAYER}"

Name "${PLAYER}"
Caption "塔维欧安装向导"
OutFile "${OUT}"
!ifdef TARGET
InstallDir "$PROGRAMFILES64\Tavio"
!else
InstallDir "$PROGRAMFILES\Tavio"
!endif

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; A shortcut to the player as ours makes it: working folder with its trailing
; backslash, the player's own icon, the product's name as description. CreateShortcut
; takes the working folder from SetOutPath, which drops that backslash: the link is made
; through IShellLinkW as ours makes it.
!define CLSID_ShellLink "{00021401-0000-0000-C000-000000000046}"
!define IID_IShellLinkW "{000214F9-0000-0000-C000-000000000046}"
!define IID_IPersistFile "{0000010b-0000-0000-C000-000000000046}"
!macro PlayerShortcut LINK
  StrCpy $3 "$INSTDIR\Tavio.exe"
  StrCpy $4 "$INSTDIR\"
  StrCpy $5 "${LINK}"
  System::Call "ole32::CoCreateInstance(g '${CLSID_ShellLink}', p 0, i 1, g '${IID_IShellLinkW}', *p .r0) i .r1"
  ${If} $1 = 0
    System::Call "$0->20(w r3)"      ; SetPath
    System::Call "$0->9(w r4)"       ; SetWorkingDirectory
    System::Call "$0->7(w '${PLAYER}')" ; SetDescription
    System::Call "$0->17(w r3, i 0)" ; SetIconLocation
    System::Call "$0->0(g '${IID_IPersistFile}', *p .r2) i .r1"
    ${If} $1 = 0
      System::Call "$2->6(w r5, i 1)" ; Save
      System::Call "$2->2()"
    ${EndIf}
    System::Call "$0->2()"
  ${EndIf}
!macroend

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !ifdef FILES
    File /r "${FILES}\*.*"
  !endif

  !insertmacro PlayerShortcut "$DESKTOP\${PLAYER}.lnk"
  IfFileExists "$QUICKLAUNCH\*.*" 0 +2
    !insertmacro PlayerShortcut "$QUICKLAUNCH\${PLAYER}.lnk"
  CreateDirectory "$SMPROGRAMS\${PLAYER}"
  !insertmacro PlayerShortcut "$SMPROGRAMS\${PLAYER}\${PLAYER}.lnk"
  CreateShortcut "$SMPROGRAMS\${PLAYER}\卸载${PLAYER}.lnk" "$INSTDIR\UnInstall.exe"

  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Run" "tavio" '"$INSTDIR\tavio.exe"  Minimize '

  ; Ours writes the paths of the uninstall entry with doubled backslashes.
  ${WordReplace} "$INSTDIR" "\" "\\" "+" $0
  ${GetFileVersion} "$INSTDIR\tavio.exe" $1
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PLAYER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$0\\UnInstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$0\\tavio.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "$1"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLUpdateInfo" "${HOME_PAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tavio Software Co., Ltd. (塔维欧软件)"
  ; What deployment tools read, as ours writes it: the folder as a plain path, the
  ; installed size in KB, today as yyyymmdd, the two flags, the quiet command.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR\"
  ${GetSize} "$INSTDIR" "/S=0K" $2 $3 $4
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $2
  ${GetTime} "" "L" $2 $3 $4 $5 $6 $7 $8
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallDate" "$4$3$2"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$0\\UnInstall.exe" /s'

  ; The channel tag's folder; an installer named without a tag leaves no tag file.
  CreateDirectory "$APPDATA\Tavio"
  Delete "$APPDATA\Tavio\mirelff.dat"

  Exec '"$SYSDIR\regsvr32.exe" /s "$INSTDIR\npmirel.dll"'
  Exec '"$INSTDIR\Tavio.exe" Minimize'
SectionEnd
