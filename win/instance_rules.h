#pragma once
#include <string>

// Which window a start takes for an earlier run of this program. The look-up is by the exact
// title, but a title alone proves nothing: any program may carry it. The window counts only
// when it is a dialog (class "#32770", as all of this program's windows are) of a process
// whose image has this program's file name, in any folder and in any case, as Windows
// compares file names. An unknown image (a process that cannot be asked) never counts.
bool IsWindowOfThisProgram(const std::string& windowClass, const std::string& theirImage,
                           const std::string& ourImage);

// The file name of a Windows path: what follows its last '\', '/' or ':'.
std::string FileNamePart(const std::string& path);
