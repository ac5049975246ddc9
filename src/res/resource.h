// Resource and control identifiers, shared by vantrel.rc and the C++ code. Plain #defines only, so that
// windres, rc.exe and portable code (which must not see <windows.h>) can all include it.
#pragma once

// The program's icon: 16 colours, 16 x 16, 32 x 32 and 48 x 48 (the larger sizes serve scaled dpi).
#define IDI_VANTREL 1

#define IDR_MAINMENU 100
#define IDR_SHORTCUTS 101

// The tool buttons' pictures: one strip per picture size (the sizes of kPictureSizes: 16, 20, 24, 32 pixels),
// the strip of a size at IDB_TOOLBAR_16 plus the size's index. A strip holds each button's normal and disabled
// image side by side, the buttons in the tool bar's order.
#define IDB_PICTURE_SIZE_COUNT 4
#define IDB_TOOLBAR_16 200
#define IDB_TOOLBAR_20 201
#define IDB_TOOLBAR_24 202
#define IDB_TOOLBAR_32 203

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
#define IDC_CHKKEEPGOING 1014
