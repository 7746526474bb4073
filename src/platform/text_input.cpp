#include "platform/text_input.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <utility>

namespace zorva {

namespace {

constexpr int FieldWidth = 330;

TTextInputHook& Hook() {
    static TTextInputHook hook;
    return hook;
}

} // namespace

std::optional<std::string> AskText(const TTextRequest& request) {
    if (Hook()) {
        return Hook()(request);
    }
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(request.Caption));
    box.setLabelText(QString::fromStdString(request.Prompt));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(QString::fromStdString(request.Proposed));
    if (auto* field = box.findChild<QLineEdit*>()) {
        field->setMaxLength(request.MaxLength);
        // Wide enough to show a name of thirty characters whole.
        field->setMinimumWidth(FieldWidth);
        // Typing replaces the proposal at once; the field keeps this selection when it takes focus.
        field->selectAll();
    }
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue().toStdString();
}

void SetTextInputHook(TTextInputHook hook) {
    Hook() = std::move(hook);
}

} // namespace zorva
