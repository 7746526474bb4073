#include "engine/spin_summary.h"

namespace zorva {

std::string SummaryText(const TSpinSummary& summary) {
    std::string text;
    for (const TSummaryLine& line : summary) {
        if (line.Break == TSummaryBreak::Before)
            text += "\r\n";
        for (const char* c = line.Pattern; *c != '\0'; ++c) {
            if (c[0] == '%' && (c[1] == '1' || c[1] == '2')) {
                text += std::to_string(c[1] == '1' ? line.First : line.Second);
                ++c;
            } else {
                text += *c;
            }
        }
        if (line.Break == TSummaryBreak::After)
            text += "\r\n";
    }
    if (text.size() > MaxSummaryLength)
        text.resize(MaxSummaryLength);
    return text;
}

} // namespace zorva
