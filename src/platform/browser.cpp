#include "platform/browser.h"

#include <QDesktopServices>
#include <utility>

namespace zorva {

namespace {

std::function<bool(const QUrl&)>& Hook() {
    static std::function<bool(const QUrl&)> hook;
    return hook;
}

} // namespace

bool OpenInBrowser(const QUrl& page) {
    if (Hook())
        return Hook()(page);
    return QDesktopServices::openUrl(page);
}

void SetBrowserHookForTesting(std::function<bool(const QUrl&)> hook) {
    Hook() = std::move(hook);
}

} // namespace zorva
