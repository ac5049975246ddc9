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

// Commands, one id per command: the id of the menu item, the shortcut (which sends its item's id), the
// push button and the tool button that raise it. A control's click raises its window id, so a button's
// id is its command; a push button and its tool button share it. The ids run from CMD_FIRST to CMD_LAST
// without gaps, and no other window id of the main window falls among them.
#define CMD_FIRST 2001
#define CMD_ADD 2001
#define CMD_REMOVE 2002
#define CMD_OPEN 2003
#define CMD_SAVE 2004
#define CMD_SAVEAS 2005
#define CMD_SELPRINT 2006
#define CMD_PRINTSETUP 2007
#define CMD_PRINT 2008
#define CMD_EXIT 2009
#define CMD_CONTENTS 2010
#define CMD_ABOUT 2011
#define CMD_LAST 2011

// The drop-down menus. MENUEX gives them ids too, so F1 help can find a highlighted item's enclosing item.
#define IDM_FILE 2100
#define IDM_HELP 2101

// Controls of the main window that raise no command. IDOK (1) and IDCANCEL (2) are left unused on purpose:
// the window has no default or cancel button, so Enter and Esc reach no command.
#define IDC_BEVEL1 1000
#define IDC_LBXLIST 1001
#define IDC_LBLPRTASSY 1005
#define IDC_RDOHIDDENVISIBLE 1006
#define IDC_RDOHIDDENGRAYED 1007
#define IDC_RDOHIDDENREMOVED 1008
#define IDC_RDOSHADED 1009
#define IDC_CHKISOMETRIC 1010
#define IDC_CHKZOOMFIT 1011
#define IDC_CHKPREVIEW 1012
#define IDC_STBVANTREL 1013
