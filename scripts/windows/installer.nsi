; The installer of ソラニカ for Windows: per user, without administrator rights, into a writable
; program folder (the history file lives beside the program), with a Start-menu entry and an
; uninstaller that leaves the history and the settings alone.
;   makensis -DVERSION=1.0 -DPACKAGE=<the program folder> -DOUTFILE=<soranika-setup.exe> installer.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define NAME "ソラニカ"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\jp.example.soranika"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
; A new version goes where the one before it is, wherever the user put that (NSIS takes the
; folder of the uninstaller the entry names).
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "UninstallString"
Icon "${PACKAGE}\soranika.ico"
UninstallIcon "${PACKAGE}\soranika.ico"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
    ; A version installed here before: its own uninstaller takes its files away first (leaving
    ; the history and the settings), so that none of them stays beside the new ones. Run in
    ; place (_?=), it waits, and leaves itself for the new one to overwrite.
    IfFileExists "$INSTDIR\uninstall.exe" 0 +2
        ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    SetOutPath "$INSTDIR"
    File /r "${PACKAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\soranika.exe" "" "$INSTDIR\soranika.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\soranika.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, file by file: SanRireki.txt, the user's history, stays,
; and so does the folder that holds it; the settings under HKCU\Software\vobrel are not touched.
Section "Uninstall"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    !include "${FILELIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
