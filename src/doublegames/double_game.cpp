#include "doublegames/double_game.h"

#include "doublegames/cards.h"
#include "doublegames/pyramid.h"

namespace zorva {

void OpenDoubleGameWindow(TGameSession& session, bool pyramid, TDoubleGameHost& host, QWidget* parent) {
    if (pyramid) {
        TDoubleForm form(session, host, parent);
        form.exec();
    } else {
        TCardForm form(session, host, parent);
        form.exec();
    }
}

} // namespace zorva
