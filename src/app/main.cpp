#include <QAccessible>
#include <QApplication>
#include <cstdio>

#include "app/game_windows.h"
#include "app/unix_signals.h"
#include "platform/clock.h"
#include "platform/config_file.h"
#include "platform/fonts.h"
#include "platform/single_instance.h"
#include "platform/sound_module.h"
#include "platform/translations.h"
#include "platform/window_zoom.h"

int main(int argc, char** argv) {
    const std::jthread fonts = zorva::WarmUpFonts();
    QApplication application(argc, argv);
    // No display name: Qt would append it to every caption ("Zorvania — Zorva Slots"). The desktop
    // takes the program's name from its desktop entry, message boxes from the application name.
    QApplication::setApplicationName(QStringLiteral("Zorva Slots"));
    QApplication::setApplicationVersion(QString::fromLatin1(zorva::VersionText));
    QApplication::setDesktopFileName(QStringLiteral("zorva"));
    zorva::InstallTranslations(QApplication::applicationDirPath());

    // Two copies on one saved game would each write their own progress over the other's. A later
    // start brings the running copy forward instead, and ends having written nothing.
    zorva::TSingleInstance instance(zorva::SavedGameFilePath());
    if (!instance.TakeLock()) {
        if (instance.HandOver())
            return 0;
        const QString note =
            QCoreApplication::translate("main", "Zorva Slots is already running, but did not answer.");
        std::fprintf(stderr, "%s\n", qPrintable(note));
        return 1;
    }

    // The accessibility bridge connects to the session bus now, while the process is small: with no
    // bus to find, D-Bus forks a helper, and a fork after the window's canvas is painted would make
    // every page of it copy-on-write.
    QAccessible::isActive();
    zorva::TSoundModuleBackend sound(QApplication::applicationDirPath());
    // The zoom is chosen from the screen as the desktop scales it, and set before the first window.
    const zorva::TScreenFacts screen = zorva::ReadScreenFacts();
    zorva::TGameWindows windows(QApplication::applicationDirPath() + QLatin1Char('/'), sound,
                                zorva::SystemClock(), zorva::SystemDesktop(), screen.Width, screen.Height);
    zorva::ApplyZoom(windows.Zoom());
    windows.Made = [&sound](zorva::TForm1& form) {
        sound.LoadAfterFirstPaint(form, form.Session.Sound);
        zorva::CloseOnTerminationSignals(form);
    };
    windows.Open();
    // Answered once the window exists; while a zoom change remakes it there is none to bring forward,
    // and the new one comes up in front anyway.
    instance.OnLaterStart([&windows] {
        if (windows.HasForm())
            zorva::BringToFront(windows.Form());
    });
    return QApplication::exec();
}
