#include "default_maps.h"

#include <fstream>
#include <iterator>
#include <optional>

namespace assetgen {
namespace {

namespace fs = std::filesystem;

std::optional<Bytes> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

bool isDefaultMap(const std::string& name) {
    return name.find('/') == std::string::npos && fs::path(name).extension() == ".map";
}

std::vector<std::string> installDefaultMaps(const fs::path& appDir, const std::map<std::string, Bytes>& maps,
                                            bool restore, const FileWriter& write) {
    std::vector<std::string> kept;
    // Builds before the record replaced every map, and nothing could edit one then.
    const bool recorded = fs::exists(appDir / kDefaultMapsFolder);
    for (const auto& [name, bytes] : maps) {
        const fs::path target = appDir / name, record = appDir / kDefaultMapsFolder / name;
        const std::optional<Bytes> present = readFile(target);
        const bool untouched = !recorded || !present || *present == bytes || *present == readFile(record);
        if (!restore && !untouched) {
            kept.push_back(name);
            continue;
        }
        if (present != bytes) write(target, bytes);
        if (readFile(record) != bytes) write(record, bytes);
    }
    return kept;
}

}  // namespace assetgen
