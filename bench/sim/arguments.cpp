#include "sim/arguments.h"

#include <charconv>

namespace zorva {

const char* const SimUsage = "usage: zorva-sim --lines L --coins C --spins N [--json] [--seed S]\n"
                             "  L, C  1 to 8: paylines played and coins per line\n"
                             "  N     number of paid spins, at least 1\n"
                             "  S     seed of the simulated player's timing (default 1)\n";

namespace {

template <typename T> std::optional<T> ParseNumber(const std::string& text, T low, T high) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<TSimArguments> ParseSimArguments(const std::vector<std::string>& args) {
    TSimArguments result;
    bool lines = false, coins = false, spins = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--json") {
            result.Json = true;
            continue;
        }
        if (i + 1 >= args.size())
            return std::nullopt;
        const std::string& value = args[++i];
        if (flag == "--lines") {
            auto n = ParseNumber<int>(value, 1, 8);
            if (!n)
                return std::nullopt;
            result.Request.Lines = *n;
            lines = true;
        } else if (flag == "--coins") {
            auto n = ParseNumber<int>(value, 1, 8);
            if (!n)
                return std::nullopt;
            result.Request.Coins = *n;
            coins = true;
        } else if (flag == "--spins") {
            auto n = ParseNumber<int64_t>(value, 1, int64_t{1} << 40);
            if (!n)
                return std::nullopt;
            result.Request.Spins = *n;
            spins = true;
        } else if (flag == "--seed") {
            auto n = ParseNumber<uint64_t>(value, 0, UINT64_MAX);
            if (!n)
                return std::nullopt;
            result.Request.Seed = *n;
        } else {
            return std::nullopt;
        }
    }
    if (!lines || !coins || !spins)
        return std::nullopt;
    return result;
}

} // namespace zorva
