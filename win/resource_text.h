#pragma once
#include <windows.h>

#include <string>

// The string resource with this id, empty when there is none.
std::string LoadResourceString(UINT id);
