#include "shell/main_window_layout.h"

#include "res/resource.h"

namespace shell {

// clang-format off
const ControlSpec kControls[] = {
    {"Bevel1",           IDC_BEVEL1,           ControlKind::Bevel,       {0, 0, 742, 33},     "",                      0,   true,  false, 0},
    {"lbxList",          IDC_LBXLIST,          ControlKind::ListBox,     {16, 48, 537, 313},  "",                      0,   true,  false, 0},
    {"btnAdd",           IDC_BTNADD,           ControlKind::PushButton,  {16, 376, 75, 25},   "&Add...",               10,  true,  false, CMD_ADD},
    {"btnRemove",        IDC_BTNREMOVE,        ControlKind::PushButton,  {247, 376, 75, 25},  "Rem&ove",               20,  true,  false, CMD_REMOVE},
    {"btnPrint",         IDC_BTNPRINT,         ControlKind::PushButton,  {478, 376, 75, 25},  "&Print",                30,  true,  false, IDM_PRINT},
    {"lblPrtAssy",       IDC_LBLPRTASSY,       ControlKind::Label,       {576, 48, 68, 13},   "Part/Assembly",         0,   true,  false, 0},
    {"rdoHiddenVisible", IDC_RDOHIDDENVISIBLE, ControlKind::RadioButton, {600, 72, 120, 17},  "hidden lines &visible", 40,  true,  true,  0},
    {"rdoHiddenGrayed",  IDC_RDOHIDDENGRAYED,  ControlKind::RadioButton, {600, 96, 120, 17},  "hidden lines &grayed",  50,  false, false, 0},
    {"rdoHiddenRemoved", IDC_RDOHIDDENREMOVED, ControlKind::RadioButton, {600, 120, 120, 17}, "hidden lines &removed", 60,  false, false, 0},
    {"rdoShaded",        IDC_RDOSHADED,        ControlKind::RadioButton, {600, 144, 120, 17}, "&shaded",               70,  false, false, 0},
    {"chkIsometric",     IDC_CHKISOMETRIC,     ControlKind::CheckBox,    {600, 168, 120, 17}, "&isometric",            80,  true,  false, 0},
    {"chkZoomFit",       IDC_CHKZOOMFIT,       ControlKind::CheckBox,    {600, 192, 120, 17}, "&zoom to fit",          90,  true,  false, 0},
    {"chkPreview",       IDC_CHKPREVIEW,       ControlKind::CheckBox,    {600, 232, 120, 17}, "print previe&w",        100, true,  false, 0},
    {"stbVantrel",       IDC_STBVANTREL,       ControlKind::StatusBar,   {0, 424, 742, 19},   kWelcomeText,            0,   true,  false, 0},
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
    {IDM_OPEN,       IDM_FILE, 500},
    {IDM_SAVE,       IDM_FILE, 510},
    {IDM_SAVEAS,     IDM_FILE, 520},
    {IDM_SELPRINT,   IDM_FILE, 530},
    {IDM_PRINTSETUP, IDM_FILE, 540},
    {IDM_PRINT,      IDM_FILE, 550},
    {IDM_EXIT,       IDM_FILE, 560},
    {IDM_HELP,       0,        0},
    {IDM_CONTENTS,   IDM_HELP, 0},
    {IDM_ABOUT,      IDM_HELP, 0},
};
// clang-format on

const size_t kControlCount = sizeof kControls / sizeof kControls[0];
const size_t kToolButtonCount = sizeof kToolButtons / sizeof kToolButtons[0];
const size_t kMenuHelpCount = sizeof kMenuHelp / sizeof kMenuHelp[0];

} // namespace shell
