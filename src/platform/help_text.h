#pragma once
#include <QTextBrowser>

#include "platform/spoken_notice.h"

namespace zorva {

// The manual's page: read-only, with a caret that the arrow keys move, so that a screen reader
// reads the page line by line as a document. Qt shows a browser's text to a screen reader as one
// label, which Orca reads whole on the focus and not at all as the caret moves.
class THelpText : public QTextBrowser {
  public:
    explicit THelpText(QWidget* parent);

  protected:
    // Tab goes from link to link; each is spoken as it is reached, which Qt does not tell.
    bool focusNextPrevChild(bool next) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void PageChanged();

    TNoticeBoard Board{*this};
    bool TitleChangeHeld = false;
};

} // namespace zorva
