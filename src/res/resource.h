// Resource and control identifiers, shared by vantrel.rc and the C++ code. Plain #defines only, so that
// windres, rc.exe and portable code (which must not see <windows.h>) can all include it.
#pragma once

// The program's icon: 16 colours, 16 x 16, 32 x 32 and 48 x 48 (the larger sizes serve scaled dpi).
#define IDI_VANTREL 1

#define IDR_MAINMENU 100
#define IDR_SHORTCUTS 101

// Tool-button pictures: each holds the normal and the disabled image side by side. One bitmap per
// button and picture size: the base id plus the size's index in kPictureSizes (16, 20, 24, 32 pixels).
#define IDB_PICTURE_SIZE_COUNT 4
#define IDB_SBTNADD 200
#define IDB_SBTNADD_16 200
#define IDB_SBTNADD_20 201
#define IDB_SBTNADD_24 202
#define IDB_SBTNADD_32 203
#define IDB_SBTNREMOVE 210
#define IDB_SBTNREMOVE_16 210
#define IDB_SBTNREMOVE_20 211
#define IDB_SBTNREMOVE_24 212
#define IDB_SBTNREMOVE_32 213
#define IDB_SBTNSAVE 220
#define IDB_SBTNSAVE_16 220
#define IDB_SBTNSAVE_20 221
#define IDB_SBTNSAVE_24 222
#define IDB_SBTNSAVE_32 223
#define IDB_SBTNOPEN 230
#define IDB_SBTNOPEN_16 230
#define IDB_SBTNOPEN_20 231
#define IDB_SBTNOPEN_24 232
#define IDB_SBTNOPEN_32 233
#define IDB_SBTNSELPRINT 240
#define IDB_SBTNSELPRINT_16 240
#define IDB_SBTNSELPRINT_20 241
#define IDB_SBTNSELPRINT_24 242
#define IDB_SBTNSELPRINT_32 243
#define IDB_SBTNPRINTSETUP 250
#define IDB_SBTNPRINTSETUP_16 250
#define IDB_SBTNPRINTSETUP_20 251
#define IDB_SBTNPRINTSETUP_24 252
#define IDB_SBTNPRINTSETUP_32 253
#define IDB_SBTNPRINT 260
#define IDB_SBTNPRINT_16 260
#define IDB_SBTNPRINT_20 261
#define IDB_SBTNPRINT_24 262
#define IDB_SBTNPRINT_32 263
#define IDB_SBTNEXIT 270
#define IDB_SBTNEXIT_16 270
#define IDB_SBTNEXIT_20 271
#define IDB_SBTNEXIT_24 272
#define IDB_SBTNEXIT_32 273

// Controls of the main window. IDOK (1) and IDCANCEL (2) are left unused on purpose: the window has no
// default or cancel button, so Enter and Esc reach no command.
#define IDC_BEVEL1 1000
#define IDC_LBXLIST 1001
#define IDC_BTNADD 1002
#define IDC_BTNREMOVE 1003
#define IDC_BTNPRINT 1004
#define IDC_LBLPRTASSY 1005
#define IDC_RDOHIDDENVISIBLE 1006
#define IDC_RDOHIDDENGRAYED 1007
#define IDC_RDOHIDDENREMOVED 1008
#define IDC_RDOSHADED 1009
#define IDC_CHKISOMETRIC 1010
#define IDC_CHKZOOMFIT 1011
#define IDC_CHKPREVIEW 1012
#define IDC_STBVANTREL 1013

#define IDC_SBTNADD 1100
#define IDC_SBTNREMOVE 1101
#define IDC_SBTNSAVE 1102
#define IDC_SBTNOPEN 1103
#define IDC_SBTNSELPRINT 1104
#define IDC_SBTNPRINTSETUP 1105
#define IDC_SBTNPRINT 1106
#define IDC_SBTNEXIT 1107

// Commands: what a control, tool button, menu item or shortcut raises, one id per command. A menu item's
// id is its command (the shortcuts send their items' ids); buttons and tool buttons name theirs in the
// layout tables. Add and Remove are on no menu, so they have ids of their own.
#define CMD_ADD 2200
#define CMD_REMOVE 2201

// Menu items. The drop-down menus have ids too (MENUEX), so F1 help can find an item's enclosing item.
#define IDM_FILE 2000
#define IDM_OPEN 2001
#define IDM_SAVE 2002
#define IDM_SAVEAS 2003
#define IDM_SELPRINT 2004
#define IDM_PRINTSETUP 2005
#define IDM_PRINT 2006
#define IDM_EXIT 2007
#define IDM_HELP 2100
#define IDM_CONTENTS 2101
#define IDM_ABOUT 2102
