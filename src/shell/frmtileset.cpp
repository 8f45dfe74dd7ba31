#include "shell/frmtileset.h"

#include <charconv>
#include <string_view>

#include "platform/appfolder.h"
#include "platform/runtime.h"
#include "shell/embedded_pictures.h"

const platform::PicturePtr& PictureArray::operator[](int index) const {
    auto it = items_.find(index);
    if (it == items_.end())
        throw platform::Error("Picture " + name_ + "(" + std::to_string(index) + ") doesn't exist");
    return it->second;
}

void frmTileset::loadPictures() {
    loadBuiltIn();
    loadFiles();
    loaded_ = true;
}

void frmTileset::loadBuiltIn() {
    const std::map<std::string_view, PictureArray*> groups = {
        {"Tiles", &Tiles}, {"img", &img},       {"icons", &icons},     {"item", &item},
        {"weapon", &weapon}, {"armor", &armor}, {"shield", &shield},   {"hit", &hit},
        {"intro", &intro},   {"toolbar", &toolbar}};
    for (const embedded::Blob& blob : embedded::pictures()) {
        auto slash = blob.name.find('/');
        if (slash == std::string_view::npos) continue;
        std::string_view group = blob.name.substr(0, slash);
        std::string_view rest = blob.name.substr(slash + 1);
        platform::PicturePtr picture =
            platform::LoadPictureFromMemory(blob.data, blob.size, blob.name);
        if (group == "Image1") {
            Image1 = picture;
        } else if (group == "toolbar" && rest == "close") {
            closeButton = picture;
        } else if (auto it = groups.find(group); it != groups.end()) {
            int index = 0;
            auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), index);
            if (ec == std::errc() && end == rest.data() + rest.size()) it->second->put(index, picture);
        }
    }
}

void frmTileset::loadFiles() {
    auto loadRange = [](PictureArray& into, int first, int last, const std::string& prefix,
                        const std::string& suffix) {
        for (int n = first; n <= last; ++n) {
            into.put(n, platform::LoadPicture(platform::appFile("graphics/" + prefix +
                                                                std::to_string(n) + suffix)));
            platform::DoEvents();
        }
    };
    loadRange(imgEnemy, 1, 50, "", ".gif");
    loadRange(windowTexture, 1, 5, "W", ".jpg");
    loadRange(battle, 0, 12, "", ".bmp");
    loadRange(pic, 0, 12, "char", ".gif");
}
