#include "platform/help_text.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>

namespace zorva {

namespace {

// The page as a read-only document: its title as its name, its text with a caret, and lines as
// the page lays them out, so that Orca reads the line the caret has moved to.
class THelpTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit THelpTextAccessible(THelpText* text) : QAccessibleWidget(text, QAccessible::Document) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Browser()->documentTitle() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    // The viewport and the scroll bars are the browser's own business.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = Browser()->textCursor();
        const bool any = index == 0 && cursor.hasSelection();
        *start = any ? cursor.selectionStart() : 0;
        *end = any ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return Browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            setCursorPosition(cursorPosition());
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            Browser()->setTextCursor(Span(start, end));
    }
    int cursorPosition() const override { return Browser()->textCursor().position(); }
    void setCursorPosition(int position) override { Browser()->setTextCursor(Span(position, position)); }
    // Paragraph, line and table breaks each read as a line break, one character for one.
    QString text(int start, int end) const override {
        QString text = Span(start, end).selectedText();
        for (QChar& c : text)
            if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xfdd0) ||
                c == QChar(0xfdd1))
                c = QLatin1Char('\n');
        return text;
    }
    int characterCount() const override { return Browser()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override {
        const QRect here = Browser()->cursorRect(Span(offset, offset));
        const QRect next = Browser()->cursorRect(Span(offset + 1, offset + 1));
        const int width = next.top() == here.top() ? std::max(1, next.left() - here.left()) : 1;
        return {Browser()->viewport()->mapToGlobal(here.topLeft()), QSize(width, here.height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Browser()->cursorForPosition(Browser()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override {
        const QRect place = Browser()->cursorRect(Span(start, start));
        if (!Browser()->viewport()->rect().contains(place))
            Browser()->verticalScrollBar()->setValue(Browser()->verticalScrollBar()->value() + place.top());
    }
    QString attributes(int offset, int* start, int* end) const override {
        (void)offset;
        *start = 0;
        *end = characterCount();
        return {};
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return Boundary(offset, boundary, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        Boundary(offset, boundary, start, end);
        return *start > 0 ? Boundary(*start - 1, boundary, start, end) : Nothing(start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        Boundary(offset, boundary, start, end);
        const int here = *start;
        // A unit that ends at a paragraph's end has the break after it, not the next unit.
        for (int next = *end; next <= characterCount(); ++next) {
            QString found = Boundary(next, boundary, start, end);
            if (*start != here)
                return found;
        }
        return Nothing(start, end);
    }

  private:
    THelpText* Browser() const { return static_cast<THelpText*>(widget()); }
    QTextCursor Span(int start, int end) const {
        const int last = characterCount();
        QTextCursor cursor(Browser()->document());
        cursor.setPosition(std::clamp(start, 0, last));
        cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        return cursor;
    }
    // The line, word, sentence or character around offset, as the page lays it out.
    QString Boundary(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const {
        const auto [from, to] = QAccessible::qAccessibleTextBoundaryHelper(Span(offset, offset), boundary);
        *start = from;
        *end = to;
        return text(from, to);
    }
    static QString Nothing(int* start, int* end) {
        *start = *end = -1;
        return {};
    }
};

QAccessibleInterface* HelpTextFactory(const QString&, QObject* object) {
    if (auto* text = dynamic_cast<THelpText*>(object))
        return new THelpTextAccessible(text);
    return nullptr;
}

} // namespace

THelpText::THelpText(QWidget* parent) : QTextBrowser(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(HelpTextFactory);
        return true;
    }();
    (void)installed;
    // The caret goes with the arrow keys; Tab still goes from link to link.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    connect(this, &QTextBrowser::sourceChanged, this, [this] { PageChanged(); });
}

// A new page says its title: Orca is silent as the text is replaced under the caret. The title is
// the text's name too; Qt 6.4 tells a new name in a form Orca cannot speak for the control in
// focus, so it is told once the focus has left.
void THelpText::PageChanged() {
    if (isVisible())
        Board.Say(documentTitle());
    TitleChangeHeld = hasFocus();
    if (!TitleChangeHeld) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void THelpText::focusOutEvent(QFocusEvent* event) {
    QTextBrowser::focusOutEvent(event);
    if (TitleChangeHeld) {
        TitleChangeHeld = false;
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

bool THelpText::focusNextPrevChild(bool next) {
    const bool moved = QTextBrowser::focusNextPrevChild(next);
    if (moved && hasFocus() && textCursor().hasSelection())
        Board.Say(QCoreApplication::translate("Accessibility", "Link: %1").arg(textCursor().selectedText()));
    return moved;
}

} // namespace zorva
