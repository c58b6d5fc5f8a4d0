#pragma once
// Which characters separate the parts of a path. On Linux only "/"; on Windows
// "\" and the drive colon. Both rule sets are always compiled so that each can
// be tested anywhere; the program uses NativePathStyle.
#include <string>
#include <string_view>

namespace viewer {

enum class PathStyle { Posix, Windows };

#if defined(_WIN32)
inline constexpr PathStyle NativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle NativePathStyle = PathStyle::Posix;
#endif

bool IsPathSeparator(char c, PathStyle style = NativePathStyle);
// The separator put between a directory and a name: "/" or "\".
char PathDelimiter(PathStyle style = NativePathStyle);
// Position of the last separator, or npos.
std::size_t LastSeparator(std::string_view path, PathStyle style = NativePathStyle);

// The directory of a program's full path followed by one delimiter. The final
// delimiter of the directory part is dropped unless a separator stands before
// it (a Windows drive root, "C:\" gives "C:\\"). A path without separator
// gives empty text (the current directory).
std::string ProgramDirOf(std::string_view programPath, PathStyle style = NativePathStyle);

}  // namespace viewer
