#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>

#include "engine/session.h"

namespace zorva {

// The 22 saved values of a record, comparable and printable in one go.
inline auto SavedFields(const TGameSession& s) {
    return std::make_tuple(s.GameName, s.GameDate, s.Credits, s.Borrowed, s.Dollars, s.Globes, s.BonusPool,
                           s.Spins, s.LinesPlayed, s.CoinsPerLine, s.BonusPoolWon, s.DoubleOrNothingWon,
                           s.BonusRollWon, s.NumberOfBonusRolls, s.GotBonusCount, s.MysteryBonus, s.TotalBets,
                           s.Sound, s.Double, s.PayMode, s.AutoSave, s.BonusGame);
}

// The game of the example section "Friday night", saved on 12/01/96.
inline TGameSession ExampleSession() {
    TGameSession s;
    s.GameName = "Friday night";
    s.GameDate = "12/01/96";
    s.Credits = 1250;
    s.Borrowed = 1100;
    s.Dollars = 4;
    s.Globes = 1;
    s.BonusPool = 163;
    s.Spins = 212;
    s.LinesPlayed = 8;
    s.CoinsPerLine = 2;
    s.BonusPoolWon = 0;
    s.DoubleOrNothingWon = -40;
    s.BonusRollWon = 85;
    s.NumberOfBonusRolls = 3;
    s.GotBonusCount = 0;
    s.MysteryBonus = 50;
    s.TotalBets = 2960;
    s.Sound = true;
    s.Double = true;
    s.PayMode = true;
    s.AutoSave = true;
    s.BonusGame = false;
    return s;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace zorva
