#include "form_fixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QTimer>

#include "platform/config_file.h"

namespace zorva {

std::string FormTest::SavedFile() const {
    return ReadWholeFile(SavedGameFilePath()).Text;
}

void FormTest::WhenWindowUp(std::function<void(QWidget*)> act, const std::string& notCalled, int tries) {
    QTimer::singleShot(5, [act = std::move(act), notCalled, tries]() mutable {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || !window->isVisible() || window->windowTitle().toStdString() == notCalled) {
            if (tries > 0)
                WhenWindowUp(std::move(act), notCalled, tries - 1);
            else
                ADD_FAILURE() << "no window came up";
            return;
        }
        act(window);
    });
}

void FormTest::Press(QWidget* window, const QString& captionOrName) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text() == captionOrName || button->accessibleName() == captionOrName) {
            button->click();
            return;
        }
    window->close();
}

void FormTest::PressInNextWindow(const QString& caption, std::vector<std::string>& seen, bool thenOk) {
    WhenWindowUp([caption, &seen, thenOk](QWidget* window) {
        seen.push_back(window->windowTitle().toStdString());
        if (thenOk)
            WhenWindowUp(
                [&seen](QWidget* next) {
                    seen.push_back(next->windowTitle().toStdString());
                    Press(next, "&OK");
                },
                seen.back());
        Press(window, caption);
    });
}

} // namespace zorva
