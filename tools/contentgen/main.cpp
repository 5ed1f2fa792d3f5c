#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "Generators.h"

int main(int argc, char** argv) {
    CLI::App app{"contentgen: writes the Torve game folder"};
    std::string out;
    std::string sheet;
    app.add_option("--out", out, "game folder to write")->required();
    app.add_option("--sheet", sheet, "also lay every picture out on one review page (PNG)");
    CLI11_PARSE(app, argc, argv);

    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (ec) {
        std::cerr << "contentgen: cannot create " << out << ": " << ec.message() << "\n";
        return 1;
    }
    writeConfig(out);
    const std::vector<std::string> pictures = writePictures(out);
    if (pictures.empty()) return 1;
    if (!sheet.empty() && !writeContactSheet(out, pictures, sheet)) return 1;
    if (!writeSounds(out)) return 1;
    return 0;
}
