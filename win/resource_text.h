#pragma once
#include <windows.h>

#include <string>

// The string resource with this id, empty when there is none.
std::string LoadResourceString(UINT id);

// The string resource with this id, its "%s" replaced by `text`.
std::string FormatResourceString(UINT id, const std::string& text);
