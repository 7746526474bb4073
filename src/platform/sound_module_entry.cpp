// The sound module's entry: the executable finds this one function by name and gets a device
// player through it. Everything else in the module stays hidden.
#include <QtGlobal>
#include <string_view>

#include "platform/sound_module.h"
#include "platform/sound_pulse.h"

extern "C" Q_DECL_EXPORT zorva::TSoundBackend* ZorvaCreateSoundBackend() {
    return new zorva::TPulseSoundBackend;
}

// The executable looks the entry up by this name and calls it through this type.
static_assert(std::string_view(zorva::SoundModuleEntry) == "ZorvaCreateSoundBackend");
[[maybe_unused]] static constexpr zorva::TCreateSoundBackend EntryType = &ZorvaCreateSoundBackend;
