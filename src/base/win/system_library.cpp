#include "base/win/system_library.h"

#include <stdexcept>
#include <string>

FARPROC SystemLibrary::Export(const char* name) {
    if (!module_) {
        const std::string narrowName(fileName_);
        const std::wstring wideName(narrowName.begin(), narrowName.end());
        // From the system folder only, never from the program's folder, the current folder or PATH.
        module_ = LoadLibraryExW(wideName.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!module_)
            throw std::runtime_error("Cannot load the system library " + narrowName);
    }
    const FARPROC function = GetProcAddress(module_, name);
    if (!function)
        throw std::runtime_error(std::string("Cannot find ") + name + " in " + fileName_);
    return function;
}
