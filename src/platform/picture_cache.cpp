#include "platform/picture_cache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorva {

namespace {

constexpr char Magic[8] = {'Z', 'R', 'V', 'P', 'I', 'C', '1', '\n'};
// The pixels start on a page of their own, so the mapping hands them to QImage as they lie.
constexpr qint64 PixelsAt = 4096;

struct THeader {
    char Magic[8];
    qint32 Width;
    qint32 Height;
    qint64 BytesPerLine;
    qint32 Format;
    qint32 KeyLength;
    double Ratio;
};
static_assert(sizeof(THeader) + 2048 <= PixelsAt);

QByteArray KeyOf(const QStringList& sources, double ratio) {
    QByteArray key = QByteArray::number(ratio, 'f', 6);
    for (const QString& source : sources) {
        const QFileInfo file(source);
        if (!file.exists())
            return {};
        key += '\n' + file.absoluteFilePath().toUtf8() + ' ' + QByteArray::number(file.size()) + ' ' +
               QByteArray::number(file.lastModified().toMSecsSinceEpoch());
    }
    return key;
}

QString FileOf(const QByteArray& key, double ratio) {
    return PictureCacheFolder(ratio) + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".pixels");
}

struct TMapping {
    void* Address;
    size_t Length;
};

void Unmap(void* info) {
    auto* mapping = static_cast<TMapping*>(info);
    munmap(mapping->Address, mapping->Length);
    delete mapping;
}

// The cached picture, or a null one when the file is absent, short or made for another key.
QImage Mapped(const QString& path, const QByteArray& key) {
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat facts {};
    void* address = MAP_FAILED;
    if (fstat(fd, &facts) == 0 && facts.st_size > PixelsAt)
        address = mmap(nullptr, static_cast<size_t>(facts.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (address == MAP_FAILED)
        return {};
    const auto length = static_cast<size_t>(facts.st_size);
    const auto* bytes = static_cast<const uchar*>(address);
    THeader header{};
    std::memcpy(&header, bytes, sizeof header);
    const bool fits = std::memcmp(header.Magic, Magic, sizeof Magic) == 0 && header.Width > 0 &&
                      header.Height > 0 && header.KeyLength == key.size() && header.KeyLength <= 2048 &&
                      header.Format > QImage::Format_Invalid && header.Format < QImage::NImageFormats &&
                      header.BytesPerLine > 0 &&
                      PixelsAt + header.BytesPerLine * header.Height == static_cast<qint64>(length) &&
                      std::memcmp(bytes + sizeof header, key.constData(), static_cast<size_t>(key.size())) == 0;
    if (!fits) {
        munmap(address, length);
        return {};
    }
    QImage picture(bytes + PixelsAt, header.Width, header.Height, header.BytesPerLine,
                   static_cast<QImage::Format>(header.Format), Unmap, new TMapping{address, length});
    picture.setDevicePixelRatio(header.Ratio);
    return picture;
}

// Written whole under a temporary name and renamed: a start that maps the old file keeps it.
void Store(const QString& path, const QByteArray& key, const QImage& picture) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        return;
    THeader header{};
    std::memcpy(header.Magic, Magic, sizeof Magic);
    header.Width = picture.width();
    header.Height = picture.height();
    header.BytesPerLine = picture.bytesPerLine();
    header.Format = picture.format();
    header.KeyLength = static_cast<qint32>(key.size());
    header.Ratio = picture.devicePixelRatio();
    QByteArray head(PixelsAt, '\0');
    std::memcpy(head.data(), &header, sizeof header);
    std::memcpy(head.data() + sizeof header, key.constData(), static_cast<size_t>(key.size()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(head);
    file.write(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    file.commit();
}

} // namespace

QString PictureCacheFolder(double ratio) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/zorva/pictures/") + QString::number(ratio, 'f', 5);
}

QImage CachedPicture(const QStringList& sources, double ratio, const std::function<QImage()>& make) {
    const QByteArray key = KeyOf(sources, ratio);
    if (key.isEmpty() || key.size() > 2048)
        return make();
    const QString path = FileOf(key, ratio);
    if (QImage cached = Mapped(path, key); !cached.isNull())
        return cached;
    QImage picture = make();
    // A palette would need its colours kept too; the twins scaled for a ratio never have one.
    if (!picture.isNull() && picture.colorCount() == 0)
        Store(path, key, picture);
    return picture;
}

void PrunePictureCache(double ratio) {
    QDir all(QFileInfo(PictureCacheFolder(ratio)).path());
    const QString kept = QFileInfo(PictureCacheFolder(ratio)).fileName();
    QFileInfoList others = all.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    others.erase(std::remove_if(others.begin(), others.end(),
                                [&](const QFileInfo& folder) { return folder.fileName() == kept; }),
                 others.end());
    for (qsizetype i = 1; i < others.size(); ++i)
        QDir(others[i].absoluteFilePath()).removeRecursively();
}

} // namespace zorva
