#include "shell/main_window_layout.h"

#include "res/help_contexts.h"
#include "res/resource.h"

namespace shell {

using forms::ControlKind;

// clang-format off
const forms::ControlLayout kControls[] = {
    {"Bevel1",           IDC_BEVEL1,           ControlKind::Bevel,       {0, 0, 742, 33},     "",                      0,                  true,  false},
    {"lbxList",          IDC_LBXLIST,          ControlKind::ListBox,     {16, 48, 537, 313},  "",                      0,                  true,  false},
    {"btnAdd",           CMD_ADD,              ControlKind::PushButton,  {16, 376, 75, 25},   "&Add...",               IDH_ADD,            true,  false},
    {"btnRemove",        CMD_REMOVE,           ControlKind::PushButton,  {247, 376, 75, 25},  "Rem&ove",               IDH_REMOVE,         true,  false},
    {"btnPrint",         CMD_PRINT,            ControlKind::PushButton,  {478, 376, 75, 25},  "&Print",                IDH_PRINT,          true,  false},
    {"lblPrtAssy",       IDC_LBLPRTASSY,       ControlKind::Label,       {576, 48, 68, 13},   "Part/Assembly",         0,                  true,  false},
    {"rdoHiddenVisible", IDC_RDOHIDDENVISIBLE, ControlKind::RadioButton, {600, 72, 120, 17},  "hidden lines &visible", IDH_HIDDEN_VISIBLE, true,  true},
    {"rdoHiddenGrayed",  IDC_RDOHIDDENGRAYED,  ControlKind::RadioButton, {600, 96, 120, 17},  "hidden lines &grayed",  IDH_HIDDEN_GRAYED,  false, false},
    {"rdoHiddenRemoved", IDC_RDOHIDDENREMOVED, ControlKind::RadioButton, {600, 120, 120, 17}, "hidden lines &removed", IDH_HIDDEN_REMOVED, false, false},
    {"rdoShaded",        IDC_RDOSHADED,        ControlKind::RadioButton, {600, 144, 120, 17}, "&shaded",               IDH_SHADED,         false, false},
    {"chkIsometric",     IDC_CHKISOMETRIC,     ControlKind::CheckBox,    {600, 168, 120, 17}, "&isometric",            IDH_ISOMETRIC,      true,  false},
    {"chkZoomFit",       IDC_CHKZOOMFIT,       ControlKind::CheckBox,    {600, 192, 120, 17}, "&zoom to fit",          IDH_ZOOM_TO_FIT,    true,  false},
    {"chkPreview",       IDC_CHKPREVIEW,       ControlKind::CheckBox,    {600, 232, 120, 17}, "print previe&w",        IDH_PRINT_PREVIEW,  true,  false},
    {"chkKeepGoing",     IDC_CHKKEEPGOING,     ControlKind::CheckBox,    {600, 256, 120, 17}, "&keep going",           IDH_KEEP_GOING,     true,  false},
    {"stbVantrel",       IDC_STBVANTREL,       ControlKind::StatusBar,   {0, 424, 742, 19},   kWelcomeText,            0,                  true,  false},
};

// The gaps after the 2nd, 4th and 7th button group the commands; Save stands before Open here. The
// picture strips hold the buttons' images in this order.
const ToolButtonLayout kToolButtons[] = {
    {"sbtnAdd",        CMD_ADD,        8,   "Add Files"},
    {"sbtnRemove",     CMD_REMOVE,     32,  "Remove Files"},
    {"sbtnSave",       CMD_SAVE,       72,  "Save File"},
    {"sbtnOpen",       CMD_OPEN,       96,  "Open File"},
    {"sbtnSelPrint",   CMD_SELPRINT,   136, "Select Printer"},
    {"sbtnPrintSetup", CMD_PRINTSETUP, 160, "Setup Printer"},
    {"sbtnPrint",      CMD_PRINT,      184, "Print"},
    {"sbtnExit",       CMD_EXIT,       224, "Exit"},
};

const MenuHelpEntry kMenuHelp[] = {
    {IDM_FILE,       0,        0},
    {CMD_OPEN,       IDM_FILE, IDH_FILE_OPEN},
    {CMD_SAVE,       IDM_FILE, IDH_FILE_SAVE},
    {CMD_SAVEAS,     IDM_FILE, IDH_FILE_SAVE_AS},
    {CMD_SELPRINT,   IDM_FILE, IDH_FILE_SELECT_PRINTER},
    {CMD_PRINTSETUP, IDM_FILE, IDH_FILE_PRINT_SETUP},
    {CMD_PRINT,      IDM_FILE, IDH_FILE_PRINT},
    {CMD_EXIT,       IDM_FILE, IDH_FILE_EXIT},
    {IDM_HELP,       0,        0},
    {CMD_CONTENTS,   IDM_HELP, 0},
    {CMD_ABOUT,      IDM_HELP, 0},
};
// clang-format on

const size_t kControlCount = sizeof kControls / sizeof kControls[0];
const size_t kToolButtonCount = sizeof kToolButtons / sizeof kToolButtons[0];
const size_t kMenuHelpCount = sizeof kMenuHelp / sizeof kMenuHelp[0];

namespace {

const MenuHelpEntry* FindEntry(const MenuHelpEntry* table, size_t count, int id) {
    for (size_t i = 0; i < count; ++i) {
        if (table[i].id == id)
            return &table[i];
    }
    return nullptr;
}

} // namespace

std::optional<int> ControlHelpContext(const std::vector<int>& contextsUpTheChain) {
    for (int context : contextsUpTheChain) {
        if (context != 0)
            return context;
    }
    return std::nullopt;
}

int MenuItemHelpContext(const MenuHelpEntry* table, size_t count, int itemId) {
    // Each step goes one level out; a table can't be deeper than it is long, so a malformed table whose
    // enclosing ids form a loop still ends.
    const MenuHelpEntry* entry = FindEntry(table, count, itemId);
    for (size_t depth = 0; entry && depth < count; ++depth) {
        if (entry->helpContext != 0)
            return entry->helpContext;
        if (entry->enclosingId == 0)
            break;
        entry = FindEntry(table, count, entry->enclosingId);
    }
    return 0;
}

const char* HelpTopicPage(int context) {
    for (const HelpTopic& topic : kHelpTopics) {
        if (topic.context == context)
            return topic.page;
    }
    return nullptr;
}

} // namespace shell
