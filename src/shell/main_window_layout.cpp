#include "shell/main_window_layout.h"

#include "res/help_contexts.h"
#include "res/resource.h"

namespace shell {

// clang-format off
const ControlSpec kControls[] = {
    {"Bevel1",           IDC_BEVEL1,           ControlKind::Bevel,       {0, 0, 742, 33},     "",                      0,                  true,  false, 0},
    {"lbxList",          IDC_LBXLIST,          ControlKind::ListBox,     {16, 48, 537, 313},  "",                      0,                  true,  false, 0},
    {"btnAdd",           IDC_BTNADD,           ControlKind::PushButton,  {16, 376, 75, 25},   "&Add...",               IDH_ADD,            true,  false, CMD_ADD},
    {"btnRemove",        IDC_BTNREMOVE,        ControlKind::PushButton,  {247, 376, 75, 25},  "Rem&ove",               IDH_REMOVE,         true,  false, CMD_REMOVE},
    {"btnPrint",         IDC_BTNPRINT,         ControlKind::PushButton,  {478, 376, 75, 25},  "&Print",                IDH_PRINT,          true,  false, IDM_PRINT},
    {"lblPrtAssy",       IDC_LBLPRTASSY,       ControlKind::Label,       {576, 48, 68, 13},   "Part/Assembly",         0,                  true,  false, 0},
    {"rdoHiddenVisible", IDC_RDOHIDDENVISIBLE, ControlKind::RadioButton, {600, 72, 120, 17},  "hidden lines &visible", IDH_HIDDEN_VISIBLE, true,  true,  0},
    {"rdoHiddenGrayed",  IDC_RDOHIDDENGRAYED,  ControlKind::RadioButton, {600, 96, 120, 17},  "hidden lines &grayed",  IDH_HIDDEN_GRAYED,  false, false, 0},
    {"rdoHiddenRemoved", IDC_RDOHIDDENREMOVED, ControlKind::RadioButton, {600, 120, 120, 17}, "hidden lines &removed", IDH_HIDDEN_REMOVED, false, false, 0},
    {"rdoShaded",        IDC_RDOSHADED,        ControlKind::RadioButton, {600, 144, 120, 17}, "&shaded",               IDH_SHADED,         false, false, 0},
    {"chkIsometric",     IDC_CHKISOMETRIC,     ControlKind::CheckBox,    {600, 168, 120, 17}, "&isometric",            IDH_ISOMETRIC,      true,  false, 0},
    {"chkZoomFit",       IDC_CHKZOOMFIT,       ControlKind::CheckBox,    {600, 192, 120, 17}, "&zoom to fit",          IDH_ZOOM_TO_FIT,    true,  false, 0},
    {"chkPreview",       IDC_CHKPREVIEW,       ControlKind::CheckBox,    {600, 232, 120, 17}, "print previe&w",        IDH_PRINT_PREVIEW,  true,  false, 0},
    {"stbVantrel",       IDC_STBVANTREL,       ControlKind::StatusBar,   {0, 424, 742, 19},   kWelcomeText,            0,                  true,  false, 0},
};

// The gaps after the 2nd, 4th and 7th button group the commands; Save stands before Open here.
const ToolButtonSpec kToolButtons[] = {
    {"sbtnAdd",        IDC_SBTNADD,        8,   "Add Files",      IDB_SBTNADD,        CMD_ADD},
    {"sbtnRemove",     IDC_SBTNREMOVE,     32,  "Remove Files",   IDB_SBTNREMOVE,     CMD_REMOVE},
    {"sbtnSave",       IDC_SBTNSAVE,       72,  "Save File",      IDB_SBTNSAVE,       IDM_SAVE},
    {"sbtnOpen",       IDC_SBTNOPEN,       96,  "Open File",      IDB_SBTNOPEN,       IDM_OPEN},
    {"sbtnSelPrint",   IDC_SBTNSELPRINT,   136, "Select Printer", IDB_SBTNSELPRINT,   IDM_SELPRINT},
    {"sbtnPrintSetup", IDC_SBTNPRINTSETUP, 160, "Setup Printer",  IDB_SBTNPRINTSETUP, IDM_PRINTSETUP},
    {"sbtnPrint",      IDC_SBTNPRINT,      184, "Print",          IDB_SBTNPRINT,      IDM_PRINT},
    {"sbtnExit",       IDC_SBTNEXIT,       224, "Exit",           IDB_SBTNEXIT,       IDM_EXIT},
};

const MenuHelpEntry kMenuHelp[] = {
    {IDM_FILE,       0,        0},
    {IDM_OPEN,       IDM_FILE, IDH_FILE_OPEN},
    {IDM_SAVE,       IDM_FILE, IDH_FILE_SAVE},
    {IDM_SAVEAS,     IDM_FILE, IDH_FILE_SAVE_AS},
    {IDM_SELPRINT,   IDM_FILE, IDH_FILE_SELECT_PRINTER},
    {IDM_PRINTSETUP, IDM_FILE, IDH_FILE_PRINT_SETUP},
    {IDM_PRINT,      IDM_FILE, IDH_FILE_PRINT},
    {IDM_EXIT,       IDM_FILE, IDH_FILE_EXIT},
    {IDM_HELP,       0,        0},
    {IDM_CONTENTS,   IDM_HELP, 0},
    {IDM_ABOUT,      IDM_HELP, 0},
};
// clang-format on

const size_t kControlCount = sizeof kControls / sizeof kControls[0];
const size_t kToolButtonCount = sizeof kToolButtons / sizeof kToolButtons[0];
const size_t kMenuHelpCount = sizeof kMenuHelp / sizeof kMenuHelp[0];

} // namespace shell
