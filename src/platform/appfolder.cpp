#include "platform/appfolder.h"

#include <algorithm>
#include <filesystem>

namespace platform {
namespace {

std::string& folder() {
    static std::string f = [] {
        std::error_code ec;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        std::string dir = ec ? std::string(".") : exe.parent_path().string();
        return dir + "/";
    }();
    return f;
}

}  // namespace

const std::string& appFolder() { return folder(); }

void setAppFolder(std::string f) {
    if (f.empty() || f.back() != '/') f += '/';
    folder() = std::move(f);
}

std::string appFile(const std::string& relative) {
    std::string r = relative;
    std::replace(r.begin(), r.end(), '\\', '/');
    return folder() + r;
}

}  // namespace platform
