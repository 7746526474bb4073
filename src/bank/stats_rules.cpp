#include "bank/stats_rules.h"

#include <charconv>

namespace zorva {

namespace {

constexpr std::size_t FigureWidth = 10;

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return count;
}

} // namespace

TStatistics ComputeStatistics(const TGameSession& session) {
    TStatistics s;
    s.RegularSpins = session.Spins;
    s.FreeSpins = session.NumberOfBonusRolls;
    s.Spins = s.RegularSpins + s.FreeSpins;
    s.Credits = session.Credits;
    s.Borrowed = session.Borrowed;
    s.TotalBets = session.TotalBets;
    // The opening 1000 credits are booked as borrowed, so credits less debt is all the machine
    // paid less all that was bet.
    s.Payoffs = s.Credits - s.Borrowed + s.TotalBets;
    s.FreeSpinWinnings = session.BonusRollWon;
    s.BonusPool = session.BonusPoolWon;
    s.DoubleOrNothing = session.DoubleOrNothingWon;
    s.MysteryBonus = session.MysteryBonus;
    s.Normal = s.Payoffs - s.DoubleOrNothing - s.BonusPool - s.FreeSpinWinnings - s.MysteryBonus;
    if (s.TotalBets > 0) {
        s.Percentage =
            static_cast<double>(s.Payoffs - s.DoubleOrNothing) / static_cast<double>(s.TotalBets) * 100.0;
    }
    return s;
}

std::string FormatFigure(int64_t value, std::string_view groupSeparator) {
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const std::string digits = std::to_string(magnitude);
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += groupSeparator;
        }
        text += digits[i];
    }
    const std::size_t characters = CharacterCount(text);
    return characters < FigureWidth ? std::string(FigureWidth - characters, ' ') + text : text;
}

std::string FormatPercentage(double percentage, std::string_view decimalPoint, std::string_view sign) {
    // to_chars, unlike printf, ignores the C locale that Qt sets from the environment. Two decimals
    // always make at least the four characters the figure asks for.
    char number[64];
    const auto end =
        std::to_chars(number, number + sizeof number, percentage, std::chars_format::fixed, 2).ptr;
    std::string text(number, end);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalPoint);
    }
    return text.append(sign);
}

} // namespace zorva
