#include "support/fake_sound_backend.h"

#include <QDir>
#include <QFile>

namespace zorva::testing {

namespace {

void PutLittleEndian(QByteArray& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray SilentWave(int milliseconds) {
    constexpr uint32_t rate = 8000;
    const uint32_t dataBytes = rate * 2 * static_cast<uint32_t>(milliseconds) / 1000;
    QByteArray out("RIFF");
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, rate, 4);
    PutLittleEndian(out, rate * 2, 4);
    PutLittleEndian(out, 2, 2);
    PutLittleEndian(out, 16, 2);
    out.append("data");
    PutLittleEndian(out, dataBytes, 4);
    out.append(QByteArray(static_cast<qsizetype>(dataBytes), '\0'));
    return out;
}

bool WriteFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace zorva::testing
