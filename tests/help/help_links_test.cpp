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

// The English manual, then each translation in a subfolder named for its language (help/de …).
QStringList ManualFolders() {
    const QDir help(ProgramFolder(QStringLiteral("help")));
    QStringList folders{help.path()};
    for (const QString& language : help.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << help.filePath(language);
    return folders;
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

// A page has the anchor of "odds.html#lines" when it holds <a name="lines"> or an id="lines".
bool HasAnchor(const QString& page, const QString& anchor) {
    const QString html = ReadPage(page);
    return html.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
           html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

// Every local file or anchor that a page of folder names and that is not there, each with the pages
// naming it: "topic-41003.html, named by index.html, topic-41004.html".
QStringList MissingTargets(const QString& folder) {
    QMap<QString, QStringList> namedBy;
    for (const QString& page : Pages(folder))
        for (const TReference& ref : References(ReadPage(QDir(folder).filePath(page)))) {
            const QString file = FilePart(ref.Target);
            if (IsExternal(ref.Target) || file.isEmpty())
                continue;
            const QString path = QDir(folder).filePath(file);
            const QString anchor = ref.Target.section(QLatin1Char('#'), 1);
            if (QFileInfo(path).isFile() && (anchor.isEmpty() || HasAnchor(path, anchor)))
                continue;
            if (!namedBy[ref.Target].contains(page))
                namedBy[ref.Target] << page;
        }
    QStringList missing;
    for (auto it = namedBy.cbegin(); it != namedBy.cend(); ++it)
        missing << it.key() + QStringLiteral(", named by ") + it.value().join(QStringLiteral(", "));
    return missing;
}

// A chapter renamed by one developer and still linked by another leaves a dead link; so does a
// translated page that drops an anchor another page jumps to.
TEST(HelpLinks, EveryLinkAndPictureOfEveryManualNamesAFileInTheProgramFolder) {
    ASSERT_GE(ManualFolders().size(), 2) << "no translated manual beside the English one";
    for (const QString& folder : ManualFolders()) {
        ASSERT_TRUE(QFileInfo(QDir(folder).filePath(QStringLiteral("index.html"))).isFile())
            << "no manual in " << folder.toStdString();
        const QStringList missing = MissingTargets(folder);
        EXPECT_TRUE(missing.isEmpty()) << "Missing in " << folder.toStdString() << ":\n  "
                                       << missing.join(QStringLiteral("\n  ")).toStdString();
    }
}

// A chapter without the shared style sheet reads as a plain, unstyled page in the viewer; the
// translations share the English manual's sheet.
TEST(HelpLinks, EveryChapterLinksTheSharedStyleSheet) {
    static const QRegularExpression styleLink(
        QStringLiteral(R"re(<link\b[^>]*\brel\s*=\s*"stylesheet"[^>]*\bhref\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    const QString sheet = QFileInfo(ProgramFolder(QStringLiteral("help/style.css"))).canonicalFilePath();
    QStringList unstyled;
    for (const QString& folder : ManualFolders())
        for (const QString& page : Pages(folder)) {
            const auto link = styleLink.match(ReadPage(QDir(folder).filePath(page)));
            if (!link.hasMatch() ||
                QFileInfo(QDir(folder).filePath(link.captured(1))).canonicalFilePath() != sheet)
                unstyled << QDir(folder).dirName() + QLatin1Char('/') + page;
        }
    EXPECT_TRUE(unstyled.isEmpty()) << "No link to help/style.css in: "
                                    << unstyled.join(QStringLiteral(", ")).toStdString();
}

// A chapter that the contents page does not list can only be reached by its topic number.
TEST(HelpLinks, TheContentsPageListsEveryChapter) {
    for (const QString& folder : ManualFolders()) {
        QStringList linked;
        for (const TReference& ref :
             References(ReadPage(QDir(folder).filePath(QStringLiteral("index.html")))))
            linked << FilePart(ref.Target);
        QStringList unlisted;
        for (const QString& page : Pages(folder))
            if (page != QStringLiteral("index.html") && !linked.contains(page))
                unlisted << page;
        EXPECT_TRUE(unlisted.isEmpty()) << "Not on the contents page of " << folder.toStdString() << ": "
                                        << unlisted.join(QStringLiteral(", ")).toStdString();
    }
}

QString Title(const QString& page) {
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    return title.match(ReadPage(page)).captured(1);
}

// F1 opens a translated chapter by the English chapter's file name: a chapter missing from a
// translation, or left in English, sends the player to the contents or to English.
TEST(HelpLinks, EveryTranslatedManualHasEveryChapterOfTheEnglishOneTranslated) {
    const QStringList folders = ManualFolders();
    const QString english = folders.front();
    for (const QString& folder : folders.mid(1)) {
        QStringList missing, untranslated, extra;
        for (const QString& page : Pages(folder))
            if (!Pages(english).contains(page))
                extra << page;
        for (const QString& page : Pages(english)) {
            const QString translated = QDir(folder).filePath(page);
            if (!QFileInfo(translated).isFile())
                missing << page;
            else if (Title(translated) == Title(QDir(english).filePath(page)))
                untranslated << page;
        }
        EXPECT_TRUE(missing.isEmpty()) << "Chapters missing from " << folder.toStdString() << ": "
                                       << missing.join(QStringLiteral(", ")).toStdString();
        EXPECT_TRUE(untranslated.isEmpty())
            << "Chapters of " << folder.toStdString()
            << " with the English title: " << untranslated.join(QStringLiteral(", ")).toStdString();
        EXPECT_TRUE(extra.isEmpty()) << "Pages of " << folder.toStdString()
                                     << " that the English manual lacks: "
                                     << extra.join(QStringLiteral(", ")).toStdString();
    }
}

// The web page of one folder loads nothing from elsewhere and names only files that are there.
void ExpectOnlyOwnFiles(const QString& www) {
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

// The web page, in English and in every translation (www/de …), must open offline and load nothing
// from elsewhere: no CDN, fonts or trackers.
TEST(HelpLinks, TheWebPagesLoadOnlyTheirOwnFiles) {
    const QDir top(ProgramFolder(QStringLiteral("www")));
    QStringList folders{top.path()};
    for (const QString& language : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << top.filePath(language);
    ASSERT_GE(folders.size(), 2) << "no translated web page beside the English one";
    for (const QString& www : folders)
        ExpectOnlyOwnFiles(www);
}

// A translated page that takes a picture of the window from the English folder shows its reader
// English captions; so does one that passes over the twin its own folder holds.
TEST(HelpLinks, TranslatedPagesShowPicturesInTheirOwnLanguage) {
    const QStringList withWords{QStringLiteral("main-window.png"), QStringLiteral("machine.png")};
    const QDir www(ProgramFolder(QStringLiteral("www")));
    QStringList folders = ManualFolders().mid(1);
    for (const QString& language : www.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << www.filePath(language);
    QStringList borrowed;
    for (const QString& folder : folders)
        for (const QString& page : Pages(folder))
            for (const TReference& ref : References(ReadPage(QDir(folder).filePath(page)))) {
                const QString name = QFileInfo(ref.Target).fileName();
                if (ref.Attribute == QStringLiteral("src") && ref.Target.startsWith(QStringLiteral("../")) &&
                    (withWords.contains(name) || QFileInfo(QDir(folder).filePath(name)).isFile()))
                    borrowed << QDir(folder).dirName() + QLatin1Char('/') + page + QStringLiteral(": ") +
                                    ref.Target;
            }
    EXPECT_TRUE(borrowed.isEmpty()) << "English pictures on translated pages:\n  "
                                    << borrowed.join(QStringLiteral("\n  ")).toStdString();
}

} // namespace
