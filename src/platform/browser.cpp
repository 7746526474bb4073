#include "platform/browser.h"

#include <QDesktopServices>

namespace zorva {

bool OpenInBrowser(const QUrl& page) {
    return QDesktopServices::openUrl(page);
}

} // namespace zorva
