#pragma once
#include <optional>
#include <string>
#include <vector>

#include "sim/par_sheet.h"

namespace zorva {

struct TSimArguments {
    TParSheetRequest Request;
    bool Json = false;
};

// Parses "--lines L --coins C --spins N [--json] [--seed S]"; nothing when any part is wrong.
std::optional<TSimArguments> ParseSimArguments(const std::vector<std::string>& args);
extern const char* const SimUsage;

} // namespace zorva
