#include <QAccessible>
#include <QApplication>

#include "app/unit1.h"
#include "app/unix_signals.h"
#include "platform/clock.h"
#include "platform/sound_module.h"
#include "platform/translations.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorva Slots"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorva Slots"));
    QApplication::setApplicationVersion(QString::fromLatin1(zorva::VersionText));
    QApplication::setDesktopFileName(QStringLiteral("zorva"));
    zorva::InstallTranslations(QApplication::applicationDirPath());

    // The accessibility bridge connects to the session bus now, while the process is small: with no
    // bus to find, D-Bus forks a helper, and a fork after the window's canvas is painted would make
    // every page of it copy-on-write.
    QAccessible::isActive();
    zorva::TSoundModuleBackend sound(QApplication::applicationDirPath());
    zorva::TForm1 form(QApplication::applicationDirPath() + QLatin1Char('/'), sound, zorva::SystemClock(),
                       zorva::SystemDesktop());
    sound.LoadAfterFirstPaint(form);
    zorva::CloseOnTerminationSignals(form);
    // Small system fonts: the machine takes the whole screen.
    if (form.Screen.PixelsPerInch < 100)
        form.showMaximized();
    else
        form.show();
    return QApplication::exec();
}
