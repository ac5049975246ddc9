#pragma once
// Every host member the program calls, declared once: its name, the object it is called on and how many
// arguments it takes. No other code spells a member name.
#include <cstddef>

namespace automation {

enum class Target { Application, Document };

struct Member {
    const char* name;
    Target target;
    size_t argCount;
};

inline constexpr char kProgId[] = "SldWorks.Application";
// The host's main window title always contains this, spelled exactly so.
inline constexpr char kWindowTitleWord[] = "SolidWorks";
inline constexpr char kIsometricViewName[] = "*Isometric";

// Application object (varHostApp).
inline constexpr Member kUserControl{"UserControl", Target::Application, 1};
inline constexpr Member kVisible{"Visible", Target::Application, 1};
inline constexpr Member kOpenDocSilent{"OpenDocSilent", Target::Application, 3};
inline constexpr Member kActivateDoc{"ActivateDoc", Target::Application, 1};
inline constexpr Member kQuitDoc{"QuitDoc", Target::Application, 1};
inline constexpr Member kExitApp{"ExitApp", Target::Application, 0};

// Document object (varActiveDoc, the result of ActivateDoc).
inline constexpr Member kShowNamedView{"ShowNamedView", Target::Document, 1};
inline constexpr Member kViewDisplayWireframe{"ViewDisplayWireframe", Target::Document, 0};
inline constexpr Member kViewDisplayHiddengreyed{"ViewDisplayHiddengreyed", Target::Document, 0};
inline constexpr Member kViewDisplayHiddenRemoved{"ViewDisplayHiddenRemoved", Target::Document, 0};
inline constexpr Member kViewDisplayShaded{"ViewDisplayShaded", Target::Document, 0};
inline constexpr Member kViewZoomtofit{"ViewZoomtofit", Target::Document, 0};
inline constexpr Member kPrintPreview{"PrintPreview", Target::Document, 0};
inline constexpr Member kPrintDirect{"PrintDirect", Target::Document, 0};

inline constexpr const Member* kAllMembers[] = {
    &kUserControl,
    &kVisible,
    &kOpenDocSilent,
    &kActivateDoc,
    &kQuitDoc,
    &kExitApp,
    &kShowNamedView,
    &kViewDisplayWireframe,
    &kViewDisplayHiddengreyed,
    &kViewDisplayHiddenRemoved,
    &kViewDisplayShaded,
    &kViewZoomtofit,
    &kPrintPreview,
    &kPrintDirect,
};

} // namespace automation
