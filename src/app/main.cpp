#include <QApplication>

#include "app/unit1.h"
#include "app/unix_signals.h"
#include "platform/clock.h"
#include "platform/sound_player_qsoundeffect.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorva Slots"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorva Slots"));
    QApplication::setApplicationVersion(QString::fromLatin1(zorva::VersionText));
    QApplication::setDesktopFileName(QStringLiteral("zorva"));

    zorva::TQSoundEffectBackend sound;
    zorva::TForm1 form(QApplication::applicationDirPath() + QLatin1Char('/'), sound, zorva::SystemClock(),
                       zorva::SystemDesktop());
    zorva::CloseOnTerminationSignals(form);
    // Small system fonts: the machine takes the whole screen.
    if (form.Screen.PixelsPerInch < 100)
        form.showMaximized();
    else
        form.show();
    return QApplication::exec();
}
