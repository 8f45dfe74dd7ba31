#pragma once
// What one generator run produces: the files of the application folder,
// the built-in pictures, and every picture grouped for the contact sheets.
#include <map>
#include <string>
#include <vector>

#include "encode.h"

namespace assetgen {

struct Picture {
    std::string label;
    Image image;
};

struct PictureGroup {
    std::string title;
    std::vector<Picture> pictures;
    int sheetScale = 0;  // 0: fit each picture to its cell; else a fixed enlargement
};

struct Assets {
    std::map<std::string, Bytes> files;  // path relative to the application folder
    std::vector<std::pair<std::string, Bytes>> builtIn;  // "<array>/<index>" -> PNG
    std::vector<PictureGroup> groups;

    void append(Assets&& other);
};

// Runs every generator (in parallel) and collects their results in a fixed order.
Assets generateAll();

// The C++ source that embeds the built-in pictures.
std::string embeddedSource(const std::vector<std::pair<std::string, Bytes>>& pictures);

// One PNG contact sheet per picture group, written into `dir`.
void writeSheets(const std::vector<PictureGroup>& groups, const std::string& dir);

}  // namespace assetgen
