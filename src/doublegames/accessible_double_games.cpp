#include "doublegames/accessible_double_games.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "doublegames/cards.h"
#include "doublegames/pyramid.h"

namespace zorva {

namespace {

// The card table: the window's own controls, then the 24 cards row by row.
class TCardFormAccessible : public QAccessibleWidget {
  public:
    explicit TCardFormAccessible(TCardForm* form) : QAccessibleWidget(form, QAccessible::Dialog) {}

    int childCount() const override { return TableCards + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        const auto& cards = Form()->CardRegions.Items();
        if (index >= 0 && index < static_cast<int>(cards.size()))
            return cards[index];
        return QAccessibleWidget::child(index - TableCards);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto& cards = Form()->CardRegions.Items();
        for (int i = 0; i < static_cast<int>(cards.size()); ++i)
            if (cards[i] == child)
                return i;
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : widget + TableCards;
    }

  private:
    TCardForm* Form() const { return static_cast<TCardForm*>(widget()); }
};

QString SquareName(const TSquare* square) {
    const auto* form = dynamic_cast<const TDoubleForm*>(square->parentWidget());
    const int number = square->Tag + 1;
    if (form == nullptr || !form->Board.Revealed[square->Tag])
        return QCoreApplication::translate("Accessibility", "Square %1").arg(number);
    return QCoreApplication::translate("Accessibility", "Square %1: %2")
        .arg(number)
        .arg(QString::fromStdString(form->Board.SymbolText[square->Tag]));
}

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
    if (auto* form = dynamic_cast<TCardForm*>(object))
        return new TCardFormAccessible(form);
    if (auto* square = dynamic_cast<TSquare*>(object))
        return new TSquareAccessible(square);
    return nullptr;
}

} // namespace

void InstallDoubleGameAccessibility() {
    QAccessible::installFactory(DoubleGameFactory);
}

} // namespace zorva
