// Writes the built-in pictures as a C++ source: PNG bytes in string
// literals, which compile far faster than long lists of numbers.
#include <cstdio>

#include "assets.h"

namespace assetgen {
namespace {

void appendLiteral(std::string& out, const Bytes& data) {
    constexpr std::size_t kLine = 96;
    std::string lineText = "    \"";
    for (std::uint8_t b : data) {
        if (b >= 0x20 && b < 0x7f && b != '"' && b != '\\' && b != '?') {
            lineText += static_cast<char>(b);
        } else {
            char esc[5];
            std::snprintf(esc, sizeof esc, "\\%03o", b);
            lineText += esc;
        }
        if (lineText.size() >= kLine) {
            out += lineText + "\"\n";
            lineText = "    \"";
        }
    }
    out += lineText + "\"";
}

}  // namespace

std::string embeddedSource(const std::vector<std::pair<std::string, Bytes>>& pictures) {
    std::string out =
        "// Written by tools/assetgen: the pictures built into the game, as PNG.\n"
        "#include \"shell/embedded_pictures.h\"\n\n"
        "namespace embedded {\nnamespace {\n\n";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        out += "// " + pictures[i].first + "\nconst unsigned char kData" + std::to_string(i) + "[] =\n";
        appendLiteral(out, pictures[i].second);
        out += ";\n\n";
    }
    out += "const Blob kPictures[] = {\n";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::string id = "kData" + std::to_string(i);
        out += "    {\"" + pictures[i].first + "\", " + id + ", sizeof " + id + " - 1},\n";
    }
    out += "};\n\n}  // namespace\n\nstd::span<const Blob> pictures() { return kPictures; }\n\n}  // namespace embedded\n";
    return out;
}

}  // namespace assetgen
