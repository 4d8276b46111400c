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
; it installs are: it then sees the 64-bit Program Files and registry. The x86
; one is an ANSI program, as the programs are: a Unicode installer does not
; run on Windows 98.
!if ${ARCH} == "x64"
Target amd64-unicode
!else
Target x86-ansi
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define PRODUCT "Prismoth"
!define VERSION "1.0.0.2"
!define PUBLISHER "Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Prismoth"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define WIZARD "Prismoth - Monitor.exe"
!define LOADER "Velloran.exe"
!define HELP "Prismoth - Monitor.chm"
!define MENU_FOLDER "$SMPROGRAMS\Prismoth"
; Windows refuses gamma ramps that stray far from the identity, and some
; calibrations do (D50 on a cool panel); 256 lets every ramp through.
!define ICM_KEY "SOFTWARE\Microsoft\Windows NT\CurrentVersion\ICM"
!define GAMMA_RANGE "GdiIcmGammaRange"
!define GAMMA_RANGE_ALLOWED 256
; Kept in the uninstall key: 1 when this installer created the value.
!define GAMMA_RANGE_CREATED "CreatedGdiIcmGammaRange"

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

!if ${ARCH} == "x86"
; The 32-bit programs compute with SSE2 (Pentium 4, Athlon 64 and later):
; refuse a processor without it rather than install programs that crash.
; Should the check itself not run, the installation goes on.
Function .onInit
    InitPluginsDir
    File "/oname=$PLUGINSDIR\cpu_check.exe" "${BINDIR}\cpu_check.exe"
    ClearErrors
    ExecWait '"$PLUGINSDIR\cpu_check.exe"' $0
    ${IfNot} ${Errors}
    ${AndIf} $0 == 1
        MessageBox MB_OK|MB_ICONSTOP "Prismoth cannot be installed on this computer: its processor lacks SSE2, which Prismoth needs (a Pentium 4, Athlon 64 or later processor has it)." /SD IDOK
        Abort
    ${EndIf}
FunctionEnd
!endif

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
    Call AllowEveryGammaRamp
SectionEnd

; The ramp range lives in the registry view that Windows itself reads: on
; 64-bit Windows the 64-bit one, also for the x86 installer.
!macro UseSystemRegistryView
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
!macroend
!macro UseOwnRegistryView
!if ${ARCH} == "x64"
    SetRegView 64
!else
    SetRegView 32
!endif
!macroend

; Sets the range unless it is set already; only a value this installer
; created is the uninstaller's to remove.
Function AllowEveryGammaRamp
    !insertmacro UseSystemRegistryView
    ClearErrors
    ReadRegDWORD $0 HKLM "${ICM_KEY}" "${GAMMA_RANGE}"
    ${If} ${Errors}
        WriteRegDWORD HKLM "${ICM_KEY}" "${GAMMA_RANGE}" ${GAMMA_RANGE_ALLOWED}
        StrCpy $1 1
    ${Else}
        ${If} $0 <> ${GAMMA_RANGE_ALLOWED}
            WriteRegDWORD HKLM "${ICM_KEY}" "${GAMMA_RANGE}" ${GAMMA_RANGE_ALLOWED}
        ${EndIf}
        StrCpy $1 0
    ${EndIf}
    !insertmacro UseOwnRegistryView
    ; A reinstall over our own value still owns it.
    ReadRegDWORD $2 HKLM "${UNINSTALL_KEY}" "${GAMMA_RANGE_CREATED}"
    ${If} $2 == 1
        StrCpy $1 1
    ${EndIf}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "${GAMMA_RANGE_CREATED}" $1
FunctionEnd

Function un.RemoveOwnGammaRange
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "${GAMMA_RANGE_CREATED}"
    ${If} $0 == 1
        !insertmacro UseSystemRegistryView
        DeleteRegValue HKLM "${ICM_KEY}" "${GAMMA_RANGE}"
        !insertmacro UseOwnRegistryView
    ${EndIf}
FunctionEnd

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
    Call un.RemoveOwnGammaRange
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
