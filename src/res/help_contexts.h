// The help context numbers of the main window's controls and menu items, and the one table that pairs
// each with the page of the compiled help that shows its topic. F1 opens that page by name; the help
// build (docs/help/build-chm) lists the same pages in the project and checks that each one was compiled
// in, reading them from the table's lines, so keep one entry per line in the form {IDH_NAME, "page"}.
// The Help menu's items have no context of their own and ask for 0: the help's default topic.
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
#define IDH_KEEP_GOING 110
#define IDH_FILE_OPEN 500
#define IDH_FILE_SAVE 510
#define IDH_FILE_SAVE_AS 520
#define IDH_FILE_SELECT_PRINTER 530
#define IDH_FILE_PRINT_SETUP 540
#define IDH_FILE_PRINT 550
#define IDH_FILE_EXIT 560

struct HelpTopic {
    int context;
    const char* page; // a file at the root of the compiled help
};

inline constexpr HelpTopic kHelpTopics[] = {
    {IDH_ADD, "add.html"},
    {IDH_REMOVE, "remove.html"},
    {IDH_PRINT, "print.html"},
    {IDH_HIDDEN_VISIBLE, "hidden-visible.html"},
    {IDH_HIDDEN_GRAYED, "hidden-grayed.html"},
    {IDH_HIDDEN_REMOVED, "hidden-removed.html"},
    {IDH_SHADED, "shaded.html"},
    {IDH_ISOMETRIC, "isometric.html"},
    {IDH_ZOOM_TO_FIT, "zoom-to-fit.html"},
    {IDH_PRINT_PREVIEW, "print-preview.html"},
    {IDH_KEEP_GOING, "keep-going.html"},
    {IDH_FILE_OPEN, "open.html"},
    {IDH_FILE_SAVE, "save.html"},
    {IDH_FILE_SAVE_AS, "save-as.html"},
    {IDH_FILE_SELECT_PRINTER, "select-printer.html"},
    {IDH_FILE_PRINT_SETUP, "print-setup.html"},
    {IDH_FILE_PRINT, "file-print.html"},
    {IDH_FILE_EXIT, "exit.html"},
};
