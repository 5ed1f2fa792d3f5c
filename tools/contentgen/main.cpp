#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "Generators.h"

int main(int argc, char** argv) {
    CLI::App app{"contentgen: writes the Torve game folder"};
    std::string out;
    app.add_option("--out", out, "game folder to write")->required();
    CLI11_PARSE(app, argc, argv);

    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (ec) {
        std::cerr << "contentgen: cannot create " << out << ": " << ec.message() << "\n";
        return 1;
    }
    writeConfig(out);
    if (!writeSounds(out)) return 1;
    return 0;
}
