#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace {

struct TReference {
    QString Attribute; // href or src
    QString Target;
};

QString ProgramFolder(const QString& sub) {
    return QDir(QStringLiteral(ZORVA_PROGRAM_FOLDER)).filePath(sub);
}

QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString ReadPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

std::vector<TReference> References(const QString& html) {
    static const QRegularExpression attribute(QStringLiteral(R"re(\b(href|src)\s*=\s*"([^"]*)")re"),
                                              QRegularExpression::CaseInsensitiveOption);
    std::vector<TReference> found;
    for (auto it = attribute.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        found.push_back({match.captured(1).toLower(), match.captured(2)});
    }
    return found;
}

bool IsExternal(const QString& target) {
    static const QRegularExpression scheme(QStringLiteral("^[a-zA-Z][a-zA-Z0-9+.-]*:"));
    return scheme.match(target).hasMatch();
}

// The file part of a reference: "odds.html#lines" names odds.html; "#top" names the page itself.
QString FilePart(const QString& target) {
    return target.section(QLatin1Char('#'), 0, 0);
}

// Every local file that a page of folder names and that is not there, each with the pages naming it:
// "topic-41003.html, named by index.html, topic-41004.html".
QStringList MissingTargets(const QString& folder) {
    QMap<QString, QStringList> namedBy;
    for (const QString& page : Pages(folder))
        for (const TReference& ref : References(ReadPage(QDir(folder).filePath(page)))) {
            const QString file = FilePart(ref.Target);
            if (IsExternal(ref.Target) || file.isEmpty() || QFileInfo(QDir(folder).filePath(file)).isFile())
                continue;
            if (!namedBy[file].contains(page))
                namedBy[file] << page;
        }
    QStringList missing;
    for (auto it = namedBy.cbegin(); it != namedBy.cend(); ++it)
        missing << it.key() + QStringLiteral(", named by ") + it.value().join(QStringLiteral(", "));
    return missing;
}

// A chapter renamed by one developer and still linked by another leaves a dead link.
TEST(HelpLinks, EveryLinkAndPictureOfTheManualNamesAFileInTheProgramFolder) {
    const QString help = ProgramFolder(QStringLiteral("help"));
    ASSERT_TRUE(QFileInfo(QDir(help).filePath(QStringLiteral("index.html"))).isFile())
        << "no manual in " << help.toStdString();
    const QStringList missing = MissingTargets(help);
    EXPECT_TRUE(missing.isEmpty()) << "Missing in " << help.toStdString() << ":\n  "
                                   << missing.join(QStringLiteral("\n  ")).toStdString();
}

// A chapter without the shared style sheet reads as a plain, unstyled page in the viewer.
TEST(HelpLinks, EveryChapterLinksTheSharedStyleSheet) {
    static const QRegularExpression styleLink(
        QStringLiteral(R"re(<link\b[^>]*\brel\s*=\s*"stylesheet"[^>]*\bhref\s*=\s*"style\.css")re"),
        QRegularExpression::CaseInsensitiveOption);
    const QString help = ProgramFolder(QStringLiteral("help"));
    QStringList unstyled;
    for (const QString& page : Pages(help))
        if (!styleLink.match(ReadPage(QDir(help).filePath(page))).hasMatch())
            unstyled << page;
    EXPECT_TRUE(unstyled.isEmpty()) << "No link to style.css in: "
                                    << unstyled.join(QStringLiteral(", ")).toStdString();
}

// A chapter that the contents page does not list can only be reached by its topic number.
TEST(HelpLinks, TheContentsPageListsEveryChapter) {
    const QString help = ProgramFolder(QStringLiteral("help"));
    QStringList linked;
    for (const TReference& ref : References(ReadPage(QDir(help).filePath(QStringLiteral("index.html")))))
        linked << FilePart(ref.Target);
    QStringList unlisted;
    for (const QString& page : Pages(help))
        if (page != QStringLiteral("index.html") && !linked.contains(page))
            unlisted << page;
    EXPECT_TRUE(unlisted.isEmpty()) << "Not on the contents page: "
                                    << unlisted.join(QStringLiteral(", ")).toStdString();
}

// The web page must open offline and load nothing from elsewhere: no CDN, fonts or trackers.
TEST(HelpLinks, TheWebPageLoadsOnlyItsOwnFiles) {
    const QString www = ProgramFolder(QStringLiteral("www"));
    const QString html = ReadPage(QDir(www).filePath(QStringLiteral("index.html")));
    ASSERT_FALSE(html.isEmpty()) << "no web page in " << www.toStdString();
    QStringList outside;
    for (const TReference& ref : References(html))
        if (ref.Attribute == QStringLiteral("src") && IsExternal(ref.Target))
            outside << ref.Target;
    static const QRegularExpression externalStyle(
        QStringLiteral(R"re((<link\b[^>]*href\s*=\s*"[a-z]+:|url\(\s*['"]?[a-z]+:|@import))re"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = externalStyle.globalMatch(html); it.hasNext();)
        outside << it.next().captured(0);
    EXPECT_TRUE(outside.isEmpty()) << "Loaded from outside: "
                                   << outside.join(QStringLiteral(", ")).toStdString();
    const QStringList missing = MissingTargets(www);
    EXPECT_TRUE(missing.isEmpty()) << "Missing in " << www.toStdString() << ":\n  "
                                   << missing.join(QStringLiteral("\n  ")).toStdString();
}

} // namespace
