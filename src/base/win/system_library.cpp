#include "base/win/system_library.h"

#include <stdexcept>
#include <string>

FARPROC SystemLibrary::Find(const char* name) {
    if (!module_) {
        const std::string narrowName(fileName_);
        const std::wstring wideName(narrowName.begin(), narrowName.end());
        // From the system folder only, never from the program's folder, the current folder or PATH.
        module_ = LoadLibraryExW(wideName.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!module_)
            return nullptr;
    }
    return GetProcAddress(module_, name);
}

FARPROC SystemLibrary::Export(const char* name) {
    if (const FARPROC function = Find(name))
        return function;
    if (!module_)
        throw std::runtime_error(std::string("Cannot load the system library ") + fileName_);
    throw std::runtime_error(std::string("Cannot find ") + name + " in " + fileName_);
}

FARPROC LoadedSystemExport(const char* moduleName, const char* name) {
    const HMODULE module = GetModuleHandleA(moduleName);
    return module ? GetProcAddress(module, name) : nullptr;
}
