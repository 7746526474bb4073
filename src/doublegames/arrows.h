#pragma once

namespace zorva {

// The arrow keys, as the games' tables move their keyboard focus by them.
enum class TArrow { Left, Right, Up, Down };

} // namespace zorva
