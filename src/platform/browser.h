#pragma once
#include <QUrl>

namespace zorva {

// Asks the desktop to open the page in the user's browser; false when it could not.
bool OpenInBrowser(const QUrl& page);

} // namespace zorva
