#pragma once
#include <QString>

#include "engine/spin_summary.h"

namespace zorva {

// The last spin's summary in the player's language, each sentence on a line of its own.
QString TranslatedSummary(const TSpinSummary& summary);

} // namespace zorva
