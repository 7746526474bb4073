#include "platform/config_file.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zorva {

namespace {

std::string SeparatorOf(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (c != u'\'' && (c.isPunct() || c.isSymbol())) {
            return QString(c).toStdString();
        }
    }
    return "/";
}

// Closes its descriptor when it goes.
class TDescriptor {
  public:
    explicit TDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~TDescriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;

    int Get() const { return descriptor_; }
    bool Close() { return ::close(std::exchange(descriptor_, -1)) == 0; }

  private:
    int descriptor_;
};

bool WriteAll(int descriptor, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t written = ::write(descriptor, contents.data() + done, contents.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The temporary name of a save: "Zorva.ini.saving-" and six random letters.
std::string TemporaryPrefix(const std::string& name) {
    return name + ".saving-";
}

// Gives the unnamed file a free temporary name beside the target.
std::optional<std::string> LinkUnderTemporaryName(int file, int folder, const std::string& name) {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, sizeof Letters - 2);
    const std::string procPath = "/proc/self/fd/" + std::to_string(file);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temporary = TemporaryPrefix(name);
        for (int i = 0; i < 6; ++i) {
            temporary += Letters[letter(random)];
        }
        if (::linkat(AT_FDCWD, procPath.c_str(), folder, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return temporary;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// A save killed between naming its file and renaming it leaves the file under its temporary name; the
// next save clears such names away.
void RemoveLeftovers(const std::filesystem::path& target) {
    const std::string prefix = TemporaryPrefix(target.filename().string());
    std::error_code error;
    for (std::filesystem::directory_iterator entry(target.parent_path(), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix)) {
            std::error_code ignored;
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

// The file is written while it has no name at all, so a save killed half-way leaves nothing behind;
// only once it is whole on the disk does it get a temporary name and then the real one. False, with
// nothing changed, also where the file system has no unnamed files (NFS) or /proc is missing.
bool ReplaceThroughUnnamedFile(const std::string& path, const std::string& contents) {
    const std::filesystem::path target(path);
    const TDescriptor folder(::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0) {
        return false;
    }
    TDescriptor file(::openat(folder.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file.Get() < 0) {
        return false;
    }
    const std::string name = target.filename().string();
    struct stat old {};
    if (::fstatat(folder.Get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
        // A link is followed, not replaced: that is QSaveFile's way.
        if (S_ISLNK(old.st_mode) || ::fchmod(file.Get(), old.st_mode & 07777) != 0) {
            return false;
        }
    }
    if (!WriteAll(file.Get(), contents) || ::fsync(file.Get()) != 0) {
        return false;
    }
    const auto temporary = LinkUnderTemporaryName(file.Get(), folder.Get(), name);
    if (!temporary) {
        return false;
    }
    if (!file.Close() || ::renameat(folder.Get(), temporary->c_str(), folder.Get(), name.c_str()) != 0) {
        ::unlinkat(folder.Get(), temporary->c_str(), 0);
        return false;
    }
    // The rename itself reaches the disk only with its folder.
    ::fsync(folder.Get());
    RemoveLeftovers(target);
    return true;
}

// QSaveFile writes a named temporary file beside the target, flushes it and renames it over the target
// in commit(); on any failure it removes the temporary file and the target stays. Unbuffered, because a
// buffered QSaveFile lets a short write at commit() pass (a full disk, a file-size limit) and renames a
// truncated file over the good one; unbuffered, write() tells.
bool ReplaceThroughSaveFile(const QString& filePath, const std::string& contents) {
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const auto size = static_cast<qint64>(contents.size());
    // An uncommitted QSaveFile discards its temporary file when it goes.
    return file.write(contents.data(), size) == size && file.commit();
}

} // namespace

std::string SavedGameFilePath() {
    // QStandardPaths follows $XDG_CONFIG_HOME and falls back to ~/.config.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("zorva/") + QLatin1String(SavedGameFileName)).toStdString();
}

TFileContents ReadWholeFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.exists()) {
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {TFileState::Unreadable, {}};
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {TFileState::Unreadable, {}};
    }
    return {TFileState::Read, data.toStdString()};
}

bool ReplaceFileAtomically(const std::string& path, const std::string& contents, TTemporaryFile way) {
    const QString filePath = QString::fromStdString(path);
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath())) {
        return false;
    }
    return (way == TTemporaryFile::UnnamedWhereSupported && ReplaceThroughUnnamedFile(path, contents)) ||
           ReplaceThroughSaveFile(filePath, contents);
}

TCalendarDate Today() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

std::string DateSeparator() {
    return SeparatorOf(QLocale());
}

std::string DateSeparatorOf(const std::string& localeName) {
    return SeparatorOf(QLocale(QString::fromStdString(localeName)));
}

} // namespace zorva
