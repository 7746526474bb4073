#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "bank/borrow.h"
#include "bank/stats.h"
#include "doublegames/cards.h"
#include "doublegames/pyramid.h"
#include "engine/payoff_table.h"
#include "form_fixture.h"
#include "platform/fonts.h"
#include "platform/translations.h"
#include "seeded_draw.h"
#include "support/recording_host.h"

namespace zorva {
namespace {

const QString ProgramFolder = QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER);

// The window under a German locale; each test goes back to the English source texts after.
class German : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        InstallTranslations(ProgramFolder, QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override {
        FormTest::TearDown();
        InstallTranslations(ProgramFolder, QLocale::c());
    }

    // The first spin whose lines win and that has nothing else in it: no wild, no mystery box.
    static bool LinesOnly(const TStops& stops) {
        TStrips strips{};
        BuildStrips(strips);
        int32_t wins = 0;
        for (int w = 0; w < WheelCount; ++w)
            if (strips[w][stops[w]] == Wild || strips[w][stops[w]] == Mystery)
                return false;
        for (int line = 0; line < LineCount; ++line) {
            const TLinePayoff payoff = NormalLinePayoff(LineSymbols(strips, stops, line));
            if (payoff.Symbol == Dollar || payoff.Symbol == Globe)
                return false;
            wins += payoff.Total();
        }
        return wins > 0;
    }

    static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
        return text;
    }
};

// Guards against texts that stay English in a German session: captions, hints, questions, the
// summary of a spin, Qt's own buttons, and the English coming back whole without a translation.
TEST_F(German, TheWindowItsBoxesAndTheSummarySpeakGermanAndEnglishComesBackExactly) {
    ASSERT_EQ(ProgramLanguage(), QStringLiteral("de")) << "translations/zorva_de.qm beside the tests";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"))
        << "Qt's own translation gives the boxes Ja and Nein";

    TForm1& form = Open(1024, 768);
    form.Session.Double = false;
    EXPECT_EQ(TOptionsBar::Caption(0), QStringLiteral("Hilfe?"));
    EXPECT_EQ(TOptionsBar::Caption(13), QStringLiteral("Statistik"));
    EXPECT_EQ(form.Options->Hint(2), QStringLiteral("Den Gewinnplan von Zorva Slots anzeigen"));
    form.OptionsClick(8);
    EXPECT_EQ(form.Options->Hint(8), QStringLiteral("Ton ist aus"));
    form.OptionsClick(4);
    EXPECT_EQ(MessageTexts().back(), "Ein neues Spiel beginnen?");
    form.OptionsClick(5);
    EXPECT_EQ(MessageTexts().back(),
              "Sie müssen erst drehen, bevor Sie die Übersicht über die letzte Drehung ansehen können.");

    Clock.TimeOfDay = SeedWhere(LinesOnly);
    ASSERT_NE(Clock.TimeOfDay, 0u);
    QTest::keyClick(&form, Qt::Key_Return);
    form.OptionsClick(5);
    const std::string german = MessageTexts().back();

    InstallTranslations(ProgramFolder, QLocale::c());
    EXPECT_EQ(TOptionsBar::Caption(0), QStringLiteral("Help?"));
    form.OptionsClick(5);
    const std::string english = MessageTexts().back();
    EXPECT_EQ(english, Replaced(SummaryText(form.Session.LastSpinSummary), "\r\n", "\n"))
        << "without a translation the summary is the engine's own English";
    EXPECT_EQ(german, Replaced(Replaced(english, "Line ", "Linie "), " paid ", " zahlte ")) << german;
}

// German's own forms: digits grouped with a point, the sign set apart, two decimals in a message.
TEST_F(German, NumbersTakeGermanForms) {
    TGameSession session;
    session.TotalBets = 9876543;
    TStatsForm stats(session, QLocale(), Desktop, nullptr);
    EXPECT_EQ(stats.windowTitle(), QStringLiteral("Ihre Spielstatistik"));
    EXPECT_EQ(stats.Label("Label27")->text().trimmed(), QStringLiteral("9.876.543"));
    EXPECT_EQ(stats.Label("Label25")->text(), QStringLiteral("100,00\u00A0%"));
    TBorrowC borrow(session, Desktop, nullptr);
    session.Credits = 5;
    borrow.RadioButton2->setChecked(true);
    borrow.AmountButtons[0]->click();
    EXPECT_EQ(MessageTexts().back(), "Sie haben keine 1000,00 Credits!");
}

} // namespace
} // namespace zorva
