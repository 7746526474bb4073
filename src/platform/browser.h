#pragma once
#include <QUrl>
#include <functional>

namespace zorva {

// Asks the desktop to open the page in the user's browser; false when it could not.
bool OpenInBrowser(const QUrl& page);

// While set, pages go to the hook instead, and its result stands for the desktop's.
void SetBrowserHookForTesting(std::function<bool(const QUrl&)> hook);

} // namespace zorva
