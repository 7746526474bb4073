// Reads any bytes as the saved-game file and plays some sixty paid spins of its current game, checking
// that the record stays where the game's rules keep it and that every credit is accounted for.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "saved_game_play.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string fault = zorva::PlaySavedGame({reinterpret_cast<const char*>(data), size});
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
