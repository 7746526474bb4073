#pragma once
#include <string>

namespace zorva {

// The program's message boxes: the standard error box, an information box with OK, and a
// question with Yes and No.
enum class TMessageKind { Error, Information, Question };

// Shows the box modally and returns when the player has answered: true for Yes to a question.
// Without a window system (a command-line tool) the text goes to standard error.
bool ShowMessageBox(TMessageKind kind, const std::string& text);

} // namespace zorva
