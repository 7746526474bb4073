#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <sstream>
#include <string>
#include <vector>

#include "bank/borrow.h"
#include "bank/stats.h"
#include "doublegames/cards.h"
#include "doublegames/pyramid.h"
#include "form_fixture.h"
#include "platform/fonts.h"
#include "platform/translations.h"
#include "support/recording_host.h"

namespace zorva {
namespace {

const QString ProgramFolder = QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER);

// Every language the build knows, from its one list of translations/zorva_<language>.ts files.
std::vector<std::string> Languages() {
    std::vector<std::string> languages;
    std::stringstream list(ZORVA_LANGUAGES);
    for (std::string language; std::getline(list, language, ',');)
        languages.push_back(language);
    return languages;
}

// The window under the locale of one language; each test goes back to the English source texts after.
class Translated : public FormTest, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        Locale = QLocale(QString::fromStdString(GetParam()));
        InstallTranslations(ProgramFolder, Locale);
        ASSERT_EQ(ProgramLanguage().toStdString(), GetParam()) << "translations/zorva_" << GetParam() << ".qm";
    }
    void TearDown() override {
        FormTest::TearDown();
        InstallTranslations(ProgramFolder, QLocale::c());
    }
    QLocale Locale;
};

// Guards against translated labels and option captions running past their places: each label ends
// before its neighbour or meter, and each caption fits its button, on every screen the game knows.
// Fitting by shrinking is no fit once the text is unreadable: none may go below the smallest size
// the English texts take, so a wording too long for its place shows here.
TEST_P(Translated, EveryLabelAndOptionCaptionFitsItsPlaceOnEachScreen) {
    constexpr double LegiblePoints = 7.5;
    for (auto [width, height] : {std::pair{640, 480}, {800, 600}, {1024, 768}, {1920, 1080}}) {
        TForm1& form = Open(width, height);
        for (const TPanel::TLabelPlace& label : form.Panel->LabelPlaces()) {
            EXPECT_LT(label.Box.right(), label.Limit) << label.Text.toStdString() << " at " << width;
            EXPECT_GE(label.PointSize, LegiblePoints) << label.Text.toStdString() << " at " << width;
        }
        EXPECT_NE(form.Panel->LabelPlaces()[0].Text, QStringLiteral("Credits:")) << "the meters speak the language";
        for (TImageControl* button : form.Options->OptionButtons) {
            const QString caption = TOptionsBar::Caption(button->Tag);
            const int room = button->Picture.width() - 4;
            const double points = FittingPointSize(caption, 8, room, button->Picture);
            const QFontMetrics metrics(GameFont(points), &button->Picture);
            EXPECT_LE(metrics.horizontalAdvance(caption), room) << caption.toStdString() << " at " << width;
            EXPECT_GE(points, LegiblePoints) << caption.toStdString() << " at " << width;
        }
    }
}

// Texts in a window may not run into each other once translated: every pair of labels and buttons
// with text keeps apart, and each shows its text whole.
void ExpectTextsApart(const QWidget& window, const std::string& name) {
    std::vector<std::pair<QRect, QString>> boxes;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap())
            continue;
        const QFontMetrics metrics(label->font());
        const int textWidth = metrics.horizontalAdvance(label->text().trimmed());
        EXPECT_LE(textWidth, label->width()) << name << ": " << label->text().toStdString();
        const int left =
            label->alignment() & Qt::AlignRight ? label->geometry().right() - textWidth : label->x();
        boxes.push_back({QRect(left, label->y(), textWidth, metrics.height()), label->text().trimmed()});
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty())
            continue;
        EXPECT_LE(button->sizeHint().width(), button->width())
            << name << ": " << button->text().toStdString();
        boxes.push_back({button->geometry(), button->text()});
    }
    for (size_t i = 0; i < boxes.size(); ++i)
        for (size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].first.intersects(boxes[j].first))
                << name << ": " << boxes[i].second.toStdString() << " / " << boxes[j].second.toStdString();
}

TEST_P(Translated, TheStatisticsBankAndDoubleOrNothingWindowsKeepTheirTextsApart) {
    TGameSession session;
    session.Spins = 123456;
    session.TotalBets = 9876543;
    TStatsForm stats(session, QLocale(), Desktop, nullptr);
    EXPECT_NE(stats.windowTitle(), QStringLiteral("Your Game Statistics"));
    EXPECT_EQ(stats.Label("Label27")->text().trimmed(), Locale.toString(9876543)) << "the language's digit grouping";
    ExpectTextsApart(stats, "statistics");

    TBorrowC borrow(session, Desktop, nullptr);
    ExpectTextsApart(borrow, "bank");
    session.Credits = 5;
    borrow.RadioButton2->setChecked(true);
    borrow.AmountButtons[0]->click();
    EXPECT_NE(MessageTexts().back().find((QStringLiteral("1000") + Locale.decimalPoint() + QStringLiteral("00")).toStdString()),
              std::string::npos)
        << MessageTexts().back() << ": two decimals, the language's point";

    testing::TRecordingHost host(session);
    session.SpinWinnings = 100;
    TCardForm cards(session, host, nullptr);
    ExpectTextsApart(cards, "card game");
    TDoubleForm pyramid(session, host, nullptr);
    ExpectTextsApart(pyramid, "pyramid");
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Translated, ::testing::ValuesIn(Languages()),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace zorva
