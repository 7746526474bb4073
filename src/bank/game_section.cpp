#include "bank/game_section.h"

#include <algorithm>
#include <limits>

#include "engine/bonus_rules.h"

namespace zorva {

namespace {

constexpr int32_t Least = std::numeric_limits<int32_t>::min();
constexpr int32_t Most = std::numeric_limits<int32_t>::max();
constexpr int32_t MaxLinesOrCoins = 8;

// Each value is read into the range the game itself can leave it in between spins, so a hand-edited
// file cannot start the engine where its rules never go: globes and dollars within their rows, the
// counts and the bank not below 0. The won totals stay as they stand; a double-or-nothing run can
// leave its own below 0.
struct TIntegerKey {
    const char* Key;
    int32_t TGameSession::*Field;
    int32_t Default;
    int32_t Lowest;
    int32_t Highest;
};

constexpr TIntegerKey IntegerKeys[] = {
    {"Credits", &TGameSession::Credits, 1000, 0, Most},
    {"Borrowed", &TGameSession::Borrowed, 1000, 0, Most},
    // A missing key gives 3 dollars although a new game starts with the full row of 6.
    {"Dollars", &TGameSession::Dollars, 3, 1, FullDollarRow},
    {"Globes", &TGameSession::Globes, FullGlobeRow, 1, FullGlobeRow},
    {"BonusPool", &TGameSession::BonusPool, FreshBonusPool, 0, Most},
    {"Spins", &TGameSession::Spins, 0, 0, Most},
    {"LinesPlayed", &TGameSession::LinesPlayed, 8, 0, MaxLinesOrCoins},
    {"CoinsPerLine", &TGameSession::CoinsPerLine, 1, 0, MaxLinesOrCoins},
    {"BonusPoolWon", &TGameSession::BonusPoolWon, 0, Least, Most},
    {"DoubleOrNothingWon", &TGameSession::DoubleOrNothingWon, 0, Least, Most},
    {"BonusRollWon", &TGameSession::BonusRollWon, 0, Least, Most},
    {"NumberOfBonusRolls", &TGameSession::NumberOfBonusRolls, 0, 0, Most},
    {"GotBonusCount", &TGameSession::GotBonusCount, 0, 0, Most},
    {"MysteryBonus", &TGameSession::MysteryBonus, 0, Least, Most},
    {"TotalBets", &TGameSession::TotalBets, 0, 0, Most},
};

struct TBooleanKey {
    const char* Key;
    bool TGameSession::*Field;
};

// Every setting defaults to true.
constexpr TBooleanKey BooleanKeys[] = {
    {"Sound", &TGameSession::Sound},         {"Double", &TGameSession::Double},
    {"PayMode", &TGameSession::PayMode},     {"AutoSave", &TGameSession::AutoSave},
    {"BonusGame", &TGameSession::BonusGame},
};

int DigitValue(char c, int base) {
    int value = 36;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

std::size_t Utf8CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
    }
    if (at + length > text.size()) {
        return 1;
    }
    for (std::size_t i = at + 1; i < at + length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

std::string TwoDigits(int value) {
    value %= 100;
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

int32_t ReadInteger(const TProfileFile& file, const std::string& section, const char* key,
                    int32_t defaultValue) {
    const auto text = file.GetString(section, key);
    return text ? ParseSavedInteger(*text, defaultValue) : defaultValue;
}

} // namespace

std::string SectionName(int slot) {
    return slot == CurrentGameSlot ? std::string(CurrentGameName) : "GameNo" + std::to_string(slot + 1);
}

std::string FormatGameDate(int year, int month, int day, std::string_view separator) {
    return TwoDigits(month) + std::string(separator) + TwoDigits(day) + std::string(separator) +
           TwoDigits(year);
}

int32_t ParseSavedInteger(std::string_view text, int32_t defaultValue) {
    std::string hexadecimal;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hexadecimal = "$" + std::string(text.substr(2));
        text = hexadecimal;
    }
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    }
    if (i == text.size()) {
        return defaultValue;
    }
    // The magnitude may reach 2^31 only for the most negative value.
    constexpr int64_t Limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) {
            return defaultValue;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > Limit) {
            return defaultValue;
        }
    }
    if (!negative && magnitude == Limit) {
        return defaultValue;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t characters = 0; characters < count && end < text.size(); ++characters) {
        end += Utf8CharacterLength(text, end);
    }
    return std::string(text.substr(0, end));
}

void ReadGameSection(const TProfileFile& file, TGameSession& session, int slot, const std::string& today) {
    const std::string section = SectionName(slot);
    session.GameName =
        FirstCharacters(file.GetString(section, "GameName").value_or(section), MaxGameNameLength);
    session.GameDate =
        FirstCharacters(file.GetString(section, "GameDate").value_or(today), MaxGameDateLength);
    for (const TIntegerKey& key : IntegerKeys) {
        session.*key.Field =
            std::clamp(ReadInteger(file, section, key.Key, key.Default), key.Lowest, key.Highest);
    }
    for (const TBooleanKey& key : BooleanKeys) {
        session.*key.Field = ReadInteger(file, section, key.Key, 1) != 0;
    }
}

void WriteGameSection(TProfileFile& file, const TGameSession& session, int slot, const std::string& name,
                      const std::string& today) {
    const std::string section = SectionName(slot);
    file.SetString(section, "GameName", name);
    file.SetString(section, "GameDate", today);
    for (const TIntegerKey& key : IntegerKeys) {
        file.SetString(section, key.Key, std::to_string(session.*key.Field));
    }
    for (const TBooleanKey& key : BooleanKeys) {
        file.SetString(section, key.Key, session.*key.Field ? "1" : "0");
    }
}

} // namespace zorva
