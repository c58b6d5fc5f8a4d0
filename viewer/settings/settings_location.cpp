#include "settings_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "task_names.h"

namespace viewer {

namespace {

constexpr const char* ConfigSubdir = "RaportVOR";

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string HomeDir() {
  std::string home = EnvironmentValue("HOME");
  if (!home.empty()) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return {};
}

// The per-user configuration directory; empty when there is no home.
std::string UserConfigDir() {
  const std::string xdg = EnvironmentValue("XDG_CONFIG_HOME");
  if (xdg.starts_with('/')) return xdg;  // relative values are to be ignored
  const std::string home = HomeDir();
  if (home.empty()) return {};
  return home + "/.config";
}

bool IsWritableDir(const std::string& dir) {
  const std::string path = dir.empty() ? std::string(".") : dir;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::string ViewerSettingsDir() {
  if (IsWritableDir(ExeDir)) return ExeDir;
  const std::string config = UserConfigDir();
  if (config.empty()) return ExeDir;  // nowhere better: saving will fail quietly
  return config + '/' + ConfigSubdir + '/';
}

bool MakeSettingsDir(const std::string& dir) {
  struct stat st {};
  if (dir.empty() || (::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode))) return true;
  // Each missing level is created in turn, private to the user as configuration should be.
  for (std::size_t slash = dir.find('/', 1); slash != std::string::npos; slash = dir.find('/', slash + 1)) {
    const std::string level = dir.substr(0, slash);
    if (::mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace viewer
