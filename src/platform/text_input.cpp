#include "platform/text_input.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

#include "platform/dialog_placement.h"

namespace zorva {

namespace {

constexpr int FieldWidth = 330;

} // namespace

std::optional<std::string> AskText(const TTextRequest& request) {
    QInputDialog box(OwnerForBox());
    PlaceOverParent(&box);
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

} // namespace zorva
