// Developer tool: the main window in the states a player sees, grabbed to PNG files on a virtual
// clock, for looking at. zorva-screenshots <output folder> [width height ppi]
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "app/unit1.h"
#include "engine/payoff_table.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/translations.h"
#include "seeded_draw.h"
#include "support/fake_sound_backend.h"

using namespace zorva;

namespace {

class TScriptClock : public TClock {
  public:
    uint32_t Now = 0;
    uint32_t TimeOfDay = 1;
    std::function<void()> At;
    uint32_t AtTime = 0;
    uint32_t TickCount() override { return Now; }
    uint32_t UtcMillisecondOfDay() override { return TimeOfDay; }
    void WaitUntil(uint32_t deadline) override {
        QCoreApplication::processEvents();
        if (static_cast<int32_t>(deadline - Now) > 0)
            Now = deadline;
        if (At && static_cast<int32_t>(Now - AtTime) >= 0)
            std::exchange(At, nullptr)();
    }
};

uint32_t SeedShowing(const std::function<bool(const TStops&, const TStrips&)>& wanted) {
    TStrips strips{};
    BuildStrips(strips);
    return SeedWhere([&](const TStops& stops) { return wanted(stops, strips); });
}

int Wins(const TStops& s, const TStrips& strips) {
    int total = 0;
    for (int line = 0; line < LineCount; ++line)
        total += NormalLinePayoff(LineSymbols(strips, s, line)).Total();
    return total;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zorva::InstallTranslations(QApplication::applicationDirPath());
    if (argc < 2) {
        std::fprintf(stderr, "usage: zorva-screenshots <output folder> [width height ppi]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int width = argc > 4 ? std::atoi(argv[2]) : 1024;
    const int height = argc > 4 ? std::atoi(argv[3]) : 768;
    const int ppi = argc > 4 ? std::atoi(argv[4]) : 96;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    TDesktopOnScreen desktop(SystemDesktop(),
                             TScreenFacts{width, height, 32, ppi, ReadScreenFacts().DevicePixelRatio}, false);

    testing::TFakeSoundBackend sound;
    TScriptClock clock;
    TForm1 form(QApplication::applicationDirPath() + QLatin1Char('/'), sound, clock, desktop);
    form.Session.Double = false;
    form.Session.PayMode = false;
    form.show();
    auto save = [&](const char* name) {
        const QString file = out.filePath(QStringLiteral("%1_%2.png").arg(name).arg(width));
        form.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    };
    save("rest");

    clock.TimeOfDay = SeedShowing([](const TStops& s, const TStrips& t) { return Wins(s, t) >= 15; });
    clock.AtTime = clock.Now + 1100;
    clock.At = [&] { save("midspin"); };
    form.Machine.RequestSpin();
    for (int i = 0; i < 3; ++i)
        form.Machine.OnTimer(TimerId::Timer4);
    save("win");
    // Long figures: the Winnings meter on the narrowest wide screens, the Bonus Pool beside the globes.
    for (int32_t amount : {1200, 123456}) {
        form.Session.SpinWinnings = amount;
        form.Session.BonusPool = amount * 10;
        form.Panel->DrawWinnings(true);
        form.Panel->DrawMeter(TMeter::BonusPool);
        save(amount < 10000 ? "bigwin" : "hugewin");
    }

    form.Session.Dollars = 1;
    clock.TimeOfDay = SeedShowing([](const TStops& s, const TStrips& t) {
        for (int line = 0; line < LineCount; ++line)
            if (NormalLinePayoff(LineSymbols(t, s, line)).Symbol == Dollar)
                return t[4][s[4]] != Mystery;
        return false;
    });
    clock.AtTime = clock.Now + 2600 + 2800;
    clock.At = [&] {
        form.Machine.OnTimer(TimerId::Timer5);
        save("freespins");
    };
    form.Machine.RequestSpin();

    clock.TimeOfDay = SeedShowing([](const TStops& s, const TStrips& t) { return t[4][s[4]] == Mystery; });
    form.Machine.RequestSpin();
    for (int i = 0; i < 3; ++i)
        form.Machine.OnTimer(TimerId::Timer1);
    save("chaser");
    form.Machine.PressStop();
    save("mystery");
    return 0;
}
