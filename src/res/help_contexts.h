// The help context numbers of the main window's controls and menu items: one name per topic of the
// help. Shared by the layout tables and the help project (docs/help/Vantrel.hhp includes this file in
// its [MAP]), so the compiled help maps exactly the numbers the program asks for. Plain #defines only.
// The Help menu's items have none of their own and ask for 0, the help's contents page.
#pragma once

#define IDH_ADD 10
#define IDH_REMOVE 20
#define IDH_PRINT 30
#define IDH_HIDDEN_VISIBLE 40
#define IDH_HIDDEN_GRAYED 50
#define IDH_HIDDEN_REMOVED 60
#define IDH_SHADED 70
#define IDH_ISOMETRIC 80
#define IDH_ZOOM_TO_FIT 90
#define IDH_PRINT_PREVIEW 100
#define IDH_FILE_OPEN 500
#define IDH_FILE_SAVE 510
#define IDH_FILE_SAVE_AS 520
#define IDH_FILE_SELECT_PRINTER 530
#define IDH_FILE_PRINT_SETUP 540
#define IDH_FILE_PRINT 550
#define IDH_FILE_EXIT 560
