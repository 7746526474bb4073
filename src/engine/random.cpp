#include "engine/random.h"

namespace zorva {

uint32_t MillisecondOfDay(int hour, int minute, int second, int millisecond) {
    return static_cast<uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

} // namespace zorva
