#include "system_function.h"

FARPROC SystemProc(const char* dll, const char* name)
{
    // Only the system folder: a DLL of the same name beside the program must not be taken.
    HMODULE module = GetModuleHandleA(dll);
    if (module == nullptr)
        module = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}
