// Headless par sheet: the real engine, a silent host, a virtual clock.
#include <cstdio>
#include <string>
#include <vector>

#include "sim/arguments.h"
#include "sim/par_sheet.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = zorva::ParseSimArguments(args);
    if (!parsed) {
        std::fputs(zorva::SimUsage, stderr);
        return 2;
    }
    const zorva::TParSheet sheet = zorva::RunParSheet(parsed->Request);
    const std::string text =
        parsed->Json ? zorva::FormatJson(sheet) + "\n" : zorva::FormatText(parsed->Request, sheet);
    std::fputs(text.c_str(), stdout);
    return 0;
}
