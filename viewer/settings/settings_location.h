#pragma once
// Where the viewer settings file lives. The program's directory when the
// program may write there (a portable copy, the build tree); a system-wide
// install cannot, so then the per-user configuration directory:
// $XDG_CONFIG_HOME/RaportVOR/, or ~/.config/RaportVOR/ without it.
#include <string>

namespace viewer {

// The directory, ending in "/", chosen from the current ExeDir and environment.
std::string ViewerSettingsDir();
// Creates a missing directory (and its parents) for saving; true when it exists.
bool MakeSettingsDir(const std::string& dir);

}  // namespace viewer
