#pragma once
#include <optional>
#include <string>

namespace zorva {

// The text-input box: a window caption, a prompt line, one edit field holding the proposed text with
// all of it selected, OK (the default) and Cancel. Modal; returns the text confirmed, or nothing when
// the player cancels.
struct TTextRequest {
    std::string Caption;
    std::string Prompt;
    std::string Proposed;
    int MaxLength = 255;
};
std::optional<std::string> AskText(const TTextRequest& request);

} // namespace zorva
