#include "path_rules.h"

namespace viewer {

bool IsPathSeparator(char c, PathStyle style) {
  if (style == PathStyle::Windows) return c == '\\' || c == ':';
  return c == '/';
}

char PathDelimiter(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

std::size_t LastSeparator(std::string_view path, PathStyle style) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsPathSeparator(path[i - 1], style)) return i - 1;
  }
  return std::string_view::npos;
}

std::string ProgramDirOf(std::string_view programPath, PathStyle style) {
  const std::size_t last = LastSeparator(programPath, style);
  if (last == std::string_view::npos) return {};
  std::string_view dir = programPath.substr(0, last + 1);
  const bool endsInDelimiter = programPath[last] == PathDelimiter(style);
  const bool isRoot = last > 0 && IsPathSeparator(programPath[last - 1], style);
  if (endsInDelimiter && !isRoot) dir.remove_suffix(1);
  return std::string(dir) + PathDelimiter(style);
}

}  // namespace viewer
