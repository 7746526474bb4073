// Exact odds of a bet, worked out from the strips and the rules: the figures of the manual's odds page.
#include <cstdio>
#include <string>
#include <vector>

#include "odds/exact_odds.h"
#include "sim/arguments.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // The simulator's argument parser, with a token spin count: only the bet matters here.
    args.insert(args.end(), {"--spins", "1"});
    const auto parsed = zorva::ParseSimArguments(args);
    if (!parsed || parsed->Json) {
        std::fputs("usage: zorva-odds --lines L --coins C   (L, C 1 to 8)\n", stderr);
        return 2;
    }
    const zorva::TExactOdds odds = zorva::ComputeExactOdds(parsed->Request.Lines, parsed->Request.Coins);
    std::fputs(zorva::FormatExactOdds(odds).c_str(), stdout);
    return 0;
}
