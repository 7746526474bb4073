#pragma once
#include <functional>
#include <string>

namespace zorva {

// The program's message boxes: the standard error box, an information box with OK, and a
// question with Yes and No. Each is modal and returns when the player has answered.
void ShowError(const std::string& text);
void ShowInformation(const std::string& text);
bool AskYesNo(const std::string& text);

enum class TMessageKind { Error, Information, Question };

// While a hook is set every message goes to it instead of a box, and for a question its result is
// the player's answer (true for Yes). An empty hook brings the boxes back.
using TMessageHook = std::function<bool(TMessageKind kind, const std::string& text)>;
void SetMessageHook(TMessageHook hook);

} // namespace zorva
