#include "doublegames/accessible_double_games.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "doublegames/cards.h"
#include "doublegames/pyramid.h"
#include "mainwindow/focus_mark.h"

namespace zorva {

namespace {

// A double-or-nothing window: the card table's 24 painted cards row by row, if it is the card
// game, then the window's own controls. The focus ring is drawing, not a control, and is left out.
class TDoubleGameFormAccessible : public QAccessibleWidget {
  public:
    explicit TDoubleGameFormAccessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Dialog) {}

    int childCount() const override { return static_cast<int>(Cards().size() + Controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> all = Children();
        return index >= 0 && index < static_cast<int>(all.size()) ? all[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> all = Children();
        const auto found = std::find(all.begin(), all.end(), child);
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
    }
    QAccessibleInterface* focusChild() const override {
        const auto* cards = dynamic_cast<const TCardForm*>(object());
        if (cards != nullptr && cards->FocusedCard >= 0)
            return cards->CardRegions.Items()[cards->FocusedCard];
        return QAccessibleWidget::focusChild();
    }

  private:
    std::vector<QAccessibleInterface*> Cards() const {
        const auto* cards = dynamic_cast<const TCardForm*>(object());
        if (cards == nullptr)
            return {};
        return {cards->CardRegions.Items().begin(), cards->CardRegions.Items().end()};
    }
    // The Pyramid's "Winnings:" caption is read with the amount beside it, never on its own.
    std::vector<QAccessibleInterface*> Controls() const {
        const auto* pyramid = dynamic_cast<const TDoubleForm*>(object());
        const QObject* caption = pyramid ? pyramid->Label2 : nullptr;
        std::vector<QAccessibleInterface*> controls;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* control = QAccessibleWidget::child(i);
            if (control != nullptr && dynamic_cast<TFocusMark*>(control->object()) == nullptr &&
                control->object() != caption)
                controls.push_back(control);
        }
        return controls;
    }
    std::vector<QAccessibleInterface*> Children() const {
        std::vector<QAccessibleInterface*> all = Cards();
        const std::vector<QAccessibleInterface*> controls = Controls();
        all.insert(all.end(), controls.begin(), controls.end());
        return all;
    }
};

QString SquareName(const TSquare* square) {
    const auto* form = dynamic_cast<const TDoubleForm*>(square->parentWidget());
    const int number = square->Tag + 1;
    if (form == nullptr || !form->Board.Revealed[square->Tag])
        return QCoreApplication::translate("Accessibility", "Square %1").arg(number);
    return QCoreApplication::translate("Accessibility", "Square %1: %2")
        .arg(number)
        .arg(QCoreApplication::translate(PyramidTextContext, form->Board.SymbolText[square->Tag].c_str()));
}

// The Pyramid's instructions: a read-only text box on the screen, but a label for a screen reader,
// read whole as the window opens and when Tab reaches it, where a text box is read a line at a time.
class TInstructionsAccessible : public QAccessibleWidget {
  public:
    explicit TInstructionsAccessible(QPlainTextEdit* memo)
        : QAccessibleWidget(memo, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const QPlainTextEdit*>(widget())->toPlainText()
                                      : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// A square of the Pyramid: a button read by its number until it is turned, then by its prize.
class TSquareAccessible : public QAccessibleWidget {
  public:
    explicit TSquareAccessible(TSquare* square) : QAccessibleWidget(square, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? SquareName(static_cast<const TSquare*>(widget())) : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction())
            return;
        QPointer<TSquare> square = static_cast<TSquare*>(widget());
        QTimer::singleShot(0, square.data(), [square] {
            if (square && square->OnClick)
                square->OnClick(square->Tag);
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* DoubleGameFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (dynamic_cast<TCardForm*>(object) != nullptr || dynamic_cast<TDoubleForm*>(object) != nullptr)
        return new TDoubleGameFormAccessible(static_cast<QWidget*>(object));
    if (auto* square = dynamic_cast<TSquare*>(object))
        return new TSquareAccessible(square);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(object);
        memo != nullptr && dynamic_cast<TDoubleForm*>(memo->parentWidget()) != nullptr)
        return new TInstructionsAccessible(memo);
    return nullptr;
}

} // namespace

void InstallDoubleGameAccessibility() {
    QAccessible::installFactory(DoubleGameFactory);
}

} // namespace zorva
