#pragma once
#include <QFile>
#include <QString>

#include <cstdint>
#include <optional>

// The fields of a BMP file's headers that the game's loader depends on.
struct TBmpHeader {
    int32_t Width;
    int32_t Height;
    uint16_t BitsPerPixel;
    uint32_t Compression;
    uint32_t PaletteColours;
};

inline std::optional<TBmpHeader> ReadBmpHeader(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.read(54);
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    auto u32 = [&](int at) {
        return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
               uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
    };
    auto u16 = [&](int at) { return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8); };
    return TBmpHeader{int32_t(u32(18)), int32_t(u32(22)), u16(28), u32(30), u32(46)};
}
