#include <QAccessible>
#include <QPointer>
#include <QTextBrowser>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include "app/game_windows.h"
#include "form_fixture.h"
#include "platform/picture_file.h"
#include "platform/screen_facts.h"
#include "platform/help_viewer.h"
#include "platform/window_zoom.h"
#include "platform/zoom.h"

namespace zorva {
namespace {

// The window as zoomed on a large screen: laid out, hit and read by a screen reader in logical
// pixels exactly as an unzoomed window on a screen of the logical size, drawn zoom times larger.
class ZoomedWindow : public FormTest {
  protected:
    void TearDown() override {
        Form.reset();
        ApplyZoom(1.0);
    }

    TForm1& OpenAt(int width, int height, double ratio) {
        Desktop.Facts = TScreenFacts{width, height, 32, 96, ratio};
        Form = std::make_unique<TForm1>(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER "/"), Sound, Clock, Desktop);
        Form->Session.Credits = 1000;
        Form->Session.PayMode = false;
        Form->Session.Double = false;
        Form->Session.AutoSpin = false;
        Form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        return *Form;
    }

    // Where a screen reader finds the control whose name starts so, from the window's top left corner.
    QRect AccessibleRect(TForm1& form, const QString& name) const {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
        for (int i = 0; i < window->childCount(); ++i)
            if (window->child(i)->text(QAccessible::Name).startsWith(name))
                return window->child(i)->rect().translated(-form.mapToGlobal(QPoint(0, 0)));
        ADD_FAILURE() << "no control named " << name.toStdString();
        return {};
    }
};

struct TSeenLayout {
    int ScreenWidth;
    QRect Spin, Stop, Lines, Option0, Logo, SpinAccessible, CreditsAccessible;
    bool operator==(const TSeenLayout&) const = default;
};

QRect ToQRect(const TRect& r) {
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

TEST_F(ZoomedWindow, LaysOutInLogicalPixelsAndAClickAtAButtonsScreenPositionPressesIt) {
    for (const QSize screen : {QSize(1920, 1080), QSize(2560, 1440)}) {
        SCOPED_TRACE(screen.width());
        const double zoom = FitZoom(screen.width(), screen.height());
        const int width = qRound(screen.width() / zoom);
        const int height = qRound(screen.height() / zoom);
        const auto seen = [&](TForm1& form) {
            const TWindowLayout& l = form.Layout;
            return TSeenLayout{l.ScreenWidth,
                               ToQRect(l.SpinButtonRect),
                               ToQRect(l.StopButtonRect),
                               ToQRect(l.LinesAdjusterRect),
                               ToQRect(l.OptionButtonRect(0)),
                               ToQRect(l.LogoRect),
                               AccessibleRect(form, QStringLiteral("Spin")),
                               AccessibleRect(form, QStringLiteral("Credits"))};
        };

        ApplyZoom(1.0);
        const TSeenLayout unzoomed = seen(OpenAt(width, height, 1.0));
        Form.reset();

        ApplyZoom(zoom);
        // Qt's screen (800 × 800 offscreen) shrinks by the zoom and its pixels grow by it.
        const TScreenFacts facts = ReadScreenFacts();
        EXPECT_EQ(facts.Width, qRound(800 / zoom));
        EXPECT_DOUBLE_EQ(facts.DevicePixelRatio, zoom);

        TForm1& form = OpenAt(width, height, zoom);
        EXPECT_EQ(seen(form), unzoomed);
        EXPECT_EQ(form.Layout.ScreenWidth, width);

        // The window system speaks in the screen's own pixels: the Spin button's centre there is
        // its logical centre times the zoom.
        const QRect spin = ToQRect(form.Layout.SpinButtonRect);
        const QPointF native = QPointF(spin.center()) * zoom;
        const QPointF global = QPointF(form.mapToGlobal(spin.center())) * zoom;
        const int spins = form.Session.Spins;
        QWindow* window = form.windowHandle();
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window, native, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window, native, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
        EXPECT_EQ(form.Session.Spins, spins + 1) << "the click did not press Spin";
        Form.reset();
    }
}

// At 200 % with the fit zoom of a 1920 × 1080 desktop the device pixel ratio is 2.8: the machine and
// its buttons come from the three-times twins, scaled down to the screen's pixels, never from the
// twice twins scaled up.
TEST_F(ZoomedWindow, PicturesAtZoomTimesTwoComeFromArtOfAtLeastThatResolution) {
    const double ratio = 2.0 * FitZoom(1920, 1080);
    TForm1& form = OpenAt(1365, 768, ratio);
    const auto expected = [&](const char* twinName, const QImage& drawn) {
        const QImage twin =
            ReadPicture(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER "/") + QLatin1String(twinName), "PNG");
        EXPECT_FALSE(twin.isNull()) << twinName;
        EXPECT_EQ(drawn.size(), QSize(qRound(twin.width() * ratio / 3), qRound(twin.height() * ratio / 3)))
            << twinName;
        EXPECT_DOUBLE_EQ(drawn.devicePixelRatio(), ratio) << twinName;
        // Qt cannot scale a palette picture smoothly; any other is scaled as it was read.
        const QImage source =
            twin.format() == QImage::Format_Indexed8 ? twin.convertToFormat(QImage::Format_ARGB32) : twin;
        const QImage scaled = source.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32).copy(),
                  scaled.convertToFormat(QImage::Format_RGB32).copy())
            << twinName << " is not drawn from its three-times twin";
    };
    expected("Interbig@3x.png", form.Artwork.MachineImage);
    expected("Spin@3x.png", form.Pictures.SpinBtn);
}

// The player's keys: Ctrl+minus remakes the window one step smaller with the game as it was (Auto
// Spin, which no saved game holds, included), Ctrl+0 goes back to the fit, F11 fills the screen, and
// the choice is in Display.ini for the next start while the saved game keeps its own keys.
TEST_F(ZoomedWindow, TheKeysRemakeTheWindowAtTheNewZoomWithTheGameCarriedOver) {
    Desktop.Facts = TScreenFacts{1365, 768, 32, 96, FitZoom(1920, 1080)};
    TGameWindows windows(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER "/"), Sound, Clock, Desktop, 1920, 1080);
    ASSERT_DOUBLE_EQ(windows.Zoom(), FitZoom(1920, 1080));
    ApplyZoom(windows.Zoom());
    windows.Open();
    const auto display = [] { return ReadWholeFile(DisplaySettingsPathBeside(SavedGameFilePath())).Text; };
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(windows.Form().windowHandle(), key, modifiers);
        QCoreApplication::processEvents();
    };

    windows.Form().Session.CoinsPerLine = 3;
    windows.Form().Session.AutoSpin = true;
    // The manual open at a chapter comes back at that chapter, over the new window.
    SetHelpFolder(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER "/help"));
    ShowHelpTopic(41005, &windows.Form());
    const auto manual = [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* text = window->findChild<QTextBrowser*>(QString(), Qt::FindDirectChildrenOnly);
                text && window->isVisible())
                return std::make_pair(window, text->source());
        return std::make_pair(static_cast<QWidget*>(nullptr), QUrl());
    };
    ASSERT_TRUE(manual().second.toString().endsWith(QStringLiteral("topic-41005.html")));
    // The old window is gone; its address may well be reused by the new one.
    const QPointer<TForm1> first(&windows.Form());
    press(Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_NE(manual().first, nullptr) << "the manual was lost";
    EXPECT_EQ(manual().first->parentWidget(), &windows.Form());
    EXPECT_TRUE(manual().second.toString().endsWith(QStringLiteral("topic-41005.html")));
    EXPECT_TRUE(first.isNull()) << "the window was not made anew";
    EXPECT_DOUBLE_EQ(windows.Zoom(), 1.25);
    EXPECT_DOUBLE_EQ(ReadScreenFacts().DevicePixelRatio, 1.25);
    EXPECT_EQ(windows.Form().Session.CoinsPerLine, 3) << "the game was not carried over";
    EXPECT_TRUE(windows.Form().Session.AutoSpin) << "the session was read back from the saved game";
    EXPECT_TRUE(windows.Form().isVisible());
    EXPECT_EQ(display(), "[Display]\nZoom=1.25\nFullScreen=0\n");

    press(Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(windows.Zoom(), FitZoom(1920, 1080));
    press(Qt::Key_F11, Qt::NoModifier);
    EXPECT_TRUE(windows.Form().isFullScreen());
    EXPECT_EQ(display(), "[Display]\nZoom=Fit\nFullScreen=1\n");
    EXPECT_EQ(TGameWindows(QString(), Sound, Clock, Desktop, 1920, 1080).Zoom(), FitZoom(1920, 1080));
    manual().first->close();
    windows.Form().close();
}

} // namespace
} // namespace zorva
