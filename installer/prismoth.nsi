; Prismoth's Windows installer: puts the wizard, the log-on loader, the
; colorimeter toolkit and the help file under Program Files, adds Start-menu
; shortcuts, starts the loader at every log-on of the user who installed it,
; and registers an uninstaller. The user's profiles and settings are theirs:
; the uninstaller leaves them.
;
; makensis -DARCH=x64|x86 -DBINDIR=<folder of the built programs>
;          -DOUTFILE=<installer> prismoth.nsi
; Both the installer and the uninstaller take /S for a silent run.

; The 64-bit edition's installer is itself a 64-bit program, as the programs
; it installs are: it then sees the 64-bit Program Files and registry.
!if ${ARCH} == "x64"
Target amd64-unicode
!else
Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh

!define PRODUCT "Prismoth"
!define VERSION "1.0.0.2"
!define PUBLISHER "Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Prismoth"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define WIZARD "Prismoth - Monitor.exe"
!define LOADER "Velloran.exe"
!define HELP "Prismoth - Monitor.chm"
!define MENU_FOLDER "$SMPROGRAMS\Prismoth"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!if ${ARCH} == "x64"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${RESOURCES}\prismoth.ico"
!define MUI_UNICON "${RESOURCES}\prismoth.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${WIZARD}"
!define MUI_FINISHPAGE_RUN_TEXT "Calibrate the monitor now"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\readme.txt"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Programs"
    SetOutPath "$INSTDIR"
    File "${BINDIR}\${WIZARD}"
    File "${BINDIR}\${LOADER}"
    File "${BINDIR}\sipcal.dll"
    File "${BINDIR}\${HELP}"
    File "/oname=readme.txt" "${README}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\Prismoth - Monitor.lnk" "$INSTDIR\${WIZARD}"
    CreateShortcut "${MENU_FOLDER}\Velloran manual.lnk" "$INSTDIR\${LOADER}" "manual"
    CreateShortcut "${MENU_FOLDER}\Prismoth - Monitor Help.lnk" "$INSTDIR\${HELP}"

    ; The loader puts the calibration back at every log-on of this user.
    WriteRegStr HKCU "${RUN_KEY}" "Velloran" '"$INSTDIR\${LOADER}"'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${WIZARD}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\${WIZARD}"
    Delete "$INSTDIR\${LOADER}"
    Delete "$INSTDIR\sipcal.dll"
    Delete "$INSTDIR\${HELP}"
    Delete "$INSTDIR\readme.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    Delete "${MENU_FOLDER}\Prismoth - Monitor.lnk"
    Delete "${MENU_FOLDER}\Velloran manual.lnk"
    Delete "${MENU_FOLDER}\Prismoth - Monitor Help.lnk"
    RMDir "${MENU_FOLDER}"

    DeleteRegValue HKCU "${RUN_KEY}" "Velloran"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
