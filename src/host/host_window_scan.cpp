#include "host_window_scan.h"

#include "host_members.h"

namespace host {

bool TitleNamesHost(std::string_view title) {
    return title.find(kWindowTitleWord) != std::string_view::npos;
}

} // namespace host
