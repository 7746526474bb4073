// Writes every sound effect of the game into the folder named on the command line.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "sounds/sound_designs.h"
#include "sounds/wave_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zorva-bake-sounds <program folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const auto& design : zorva::sounds::SoundDesigns) {
        const auto bytes = zorva::sounds::EncodeWave(zorva::sounds::Synthesise(design));
        const auto path = folder / zorva::SoundInfo(design.Id).FileName;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            std::cerr << "zorva-bake-sounds: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
