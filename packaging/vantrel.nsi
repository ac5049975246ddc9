; The Vantrel installer. It puts Vantrel.exe and its compiled help Vantrel.chm into
; Program Files, adds one Start-menu shortcut and an entry in Add/Remove Programs. The program keeps no
; settings, so nothing else is written, and the uninstaller takes away exactly what was put down.
;   Vantrel-<version>-setup.exe            the wizard
;   Vantrel-<version>-setup.exe /S         silent, into Program Files\Vantrel
;   Vantrel-<version>-setup.exe /S /D=dir  silent, into dir (last on the line, unquoted)
;   Uninstall.exe /S                       silent removal
; Built by the `package` target (packaging/package.cmake), which passes VANTREL_STAGE (the folder with
; the files), VANTREL_VERSION_NSH, VANTREL_ICON and VANTREL_OUTFILE; and, when the release is signed,
; VANTREL_SIGN_SCRIPT (packaging/sign.cmake) and VANTREL_CMAKE, the cmake that runs it.

Unicode true
; Vantrel.exe is a 64-bit program; a 64-bit installer also sees the 64-bit Program Files and registry.
Target amd64-unicode

!include "${VANTREL_VERSION_NSH}"
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Vantrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT} ${VANTREL_VERSION}"
OutFile "${VANTREL_OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An update goes where the previous version went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ManifestDPIAware true
ManifestSupportedOS all
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VANTREL_VERSION}"

VIProductVersion "${VANTREL_VERSION_QUAD}"
VIFileVersion "${VANTREL_VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VANTREL_VERSION}"
VIAddVersionKey "FileVersion" "${VANTREL_VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VANTREL_VERSION} setup"
VIAddVersionKey "LegalCopyright" ""

!ifdef VANTREL_SIGN_SCRIPT
; makensis builds the uninstaller first, has it signed here, and embeds the signed file, which
; WriteUninstaller then puts down as it is. The installer itself is signed after makensis, by package.cmake.
!uninstfinalize '"${VANTREL_CMAKE}" "-DVANTREL_SIGN_FILE=%1" "-DVANTREL_SIGN_DESCRIPTION=${PRODUCT} uninstaller" -P "${VANTREL_SIGN_SCRIPT}"' = 0
!endif

!define MUI_ICON "${VANTREL_ICON}"
!define MUI_UNICON "${VANTREL_ICON}"
!define MUI_ABORTWARNING
; No "run now" box on the last page: the installer runs elevated, and the program would inherit that.
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "${PRODUCT}"
    ; The shortcut is for every user of the machine, like the Program Files folder.
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${VANTREL_STAGE}/Vantrel.exe"
    ; The compiled help, which the program looks for beside itself. Built on Linux only (chmcmd).
!if /FileExists "${VANTREL_STAGE}/Vantrel.chm"
    File "${VANTREL_STAGE}/Vantrel.chm"
!endif
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The shortcut starts the program in its own folder (the current $OUTDIR).
    CreateShortCut "${SHORTCUT}" "$INSTDIR\Vantrel.exe" "" "$INSTDIR\Vantrel.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VANTREL_VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantrel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\Vantrel.exe"
    Delete "$INSTDIR\Vantrel.chm"
    Delete "$INSTDIR\Vantrel.hlp"
    ; The help viewer keeps its index of the help file beside it.
    Delete "$INSTDIR\Vantrel.gid"
    Delete "$INSTDIR\Vantrel.fts"
    Delete "$INSTDIR\Uninstall.exe"
    ; Never a recursive removal: /D= may have named a folder that holds other things too, and those
    ; stay. The folder itself goes once it is empty.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
