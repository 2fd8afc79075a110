// Where Skrivo keeps its files, and who the user is.
#include "platform/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/FileIO.h"

namespace skrivo {
namespace {

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string StripTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string HomeFolder() {
    std::string home = EnvOrEmpty("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/tmp";
}

// The name ends up in a file name (the per-user configuration copy), so a
// value that could lead out of the folder is not taken from the environment.
bool UsableAsFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

std::string SkrivoHome() {
    std::string home = EnvOrEmpty("SKRIVO_HOME");
    if (home.empty()) {
        std::string data = EnvOrEmpty("XDG_DATA_HOME");
        home = data.empty() ? HomeFolder() + "/.local/share/skrivo" : data + "/skrivo";
    }
    home = StripTrailingSlashes(home);
    ForceDirectories(home);
    return home;
}

std::string AppPath() { return SkrivoHome() + "/"; }

std::string GetUserName() {
    std::string user = EnvOrEmpty("USER");
    if (UsableAsFileName(user)) return user;
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_name &&
        UsableAsFileName(result->pw_name)) {
        return result->pw_name;
    }
    return {};
}

}  // namespace skrivo
