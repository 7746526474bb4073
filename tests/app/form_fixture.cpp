#include "form_fixture.h"

#include <QDir>

#include "platform/config_file.h"

namespace zorva {

std::string FormTest::SavedFile() const {
    return ReadWholeFile(SavedGameFilePath()).Text;
}

} // namespace zorva
