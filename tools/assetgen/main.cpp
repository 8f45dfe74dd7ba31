// Minimal generator: writes an empty picture table. Replaced by the full one.
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    std::string out, embedded;
    for (int i = 1; i + 1 < argc; ++i) {
        std::string a = argv[i];
        if (a == "--out") out = argv[++i];
        else if (a == "--embedded") embedded = argv[++i];
    }
    std::filesystem::create_directories(out);
    std::filesystem::create_directories(std::filesystem::path(embedded).parent_path());
    std::ofstream f(embedded);
    f << "#include \"shell/embedded_pictures.h\"\n"
         "namespace embedded {\n"
         "std::span<const Blob> pictures() { return {}; }\n"
         "}\n";
    return 0;
}
