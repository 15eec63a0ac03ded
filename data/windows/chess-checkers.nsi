; SPDX-License-Identifier: MIT
; The Windows installer, for the user alone (no administrator rights): the program under the
; user's local programs folder, a Start-menu entry, and an entry in "Apps & features" whose
; uninstaller removes exactly what was installed. Runs silently with /S.
; makensis -DVERSION=1.0.0 -DSTAGE=<folder of the zip's files> -DICON=<.ico> -DOUTFILE=<.exe>
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
!include FileFunc.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\chess-checkers"
!define SHORTCUT "$SMPROGRAMS\Chess & Checkers.lnk"
Name "Chess & Checkers" "Chess && Checkers"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Chess & Checkers"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
; The files carry the release's time, so that one commit makes one installer.
SetDateSave on
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Chess & Checkers"
VIAddVersionKey /LANG=1033 "FileDescription" "Chess & Checkers installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 The Chess & Checkers developers. MIT License."

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetOutPath "$INSTDIR"
    File "${STAGE}\chess-checkers.exe"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\chess-checkers.exe" "" "$INSTDIR\chess-checkers.exe" 0
    WriteRegStr HKCU "${KEY}" "DisplayName" "Chess & Checkers"
    WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\chess-checkers.exe"
    WriteRegStr HKCU "${KEY}" "Publisher" "The Chess & Checkers developers"
    WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\chess-checkers.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey HKCU "${KEY}"
SectionEnd
