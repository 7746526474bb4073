#include "platform/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/dialog_placement.h"
#include "platform/help_text.h"
#include "platform/translations.h"

namespace zorva {

namespace {

QString& HelpFolder() {
    static QString folder;
    return folder;
}

// A plain browser window over the manual: contents, back, forward and close.
class THelpWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(THelpWindow)

  public:
    explicit THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
        setAttribute(Qt::WA_DeleteOnClose);
        // The manual never keeps the program running once the game itself has closed.
        setAttribute(Qt::WA_QuitOnClose, false);
        setWindowTitle(tr("Zorva Slots Help"));
        // On a screen smaller than the window, the close button would lie off the edge.
        resize(QSize(720, 600).boundedTo(screen()->availableGeometry().size()));

        Browser = new THelpText(this);
        Browser->setOpenExternalLinks(true);
        Browser->setSearchPaths({HelpFolder()});

        auto* contents = new QPushButton(tr("&Contents"), this);
        auto* back = new QPushButton(tr("&Back"), this);
        auto* forward = new QPushButton(tr("&Forward"), this);
        auto* closeButton = new QPushButton(tr("C&lose"), this);
        back->setEnabled(false);
        forward->setEnabled(false);
        connect(contents, &QPushButton::clicked, this, [this] { Browser->setSource(HelpPage(0)); });
        connect(back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
        connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
        connect(Browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(Browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        new QShortcut(QKeySequence::Cancel, this, [this] { QWidget::close(); });

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(contents);
        buttons->addWidget(back);
        buttons->addWidget(forward);
        buttons->addStretch();
        buttons->addWidget(closeButton);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(Browser);
    }

    QUrl Page() const { return Browser->source(); }

    void Open(const QUrl& page) {
        Browser->setSource(page);
        show();
        raise();
        activateWindow();
    }

  private:
    THelpText* Browser = nullptr;
};

QPointer<THelpWindow>& Viewer() {
    static QPointer<THelpWindow> viewer;
    return viewer;
}

// One viewer at a time. It belongs to the window that asked for it, so that it takes input even
// while that window is modal, and goes when that window goes.
void Show(const QUrl& page, QWidget* parent) {
    QPointer<THelpWindow>& viewer = Viewer();
    if (parent == nullptr)
        parent = OwnerForBox();
    if (viewer && viewer->parentWidget() != parent)
        viewer->close();
    if (!viewer)
        viewer = new THelpWindow(parent);
    viewer->Open(page);
}

} // namespace

void SetHelpFolder(const QString& folder) {
    HelpFolder() = folder;
}

QUrl HelpPage(int topic) {
    const QString chapter = FileInLanguage(HelpFolder(), QStringLiteral("topic-%1.html").arg(topic));
    if (topic != 0 && QFileInfo::exists(chapter))
        return QUrl::fromLocalFile(chapter);
    return QUrl::fromLocalFile(FileInLanguage(HelpFolder(), QStringLiteral("index.html")));
}

void ShowHelpTopic(int topic, QWidget* parent) {
    Show(HelpPage(topic), parent);
}

void ShowHelpPage(const QUrl& page, QWidget* parent) {
    Show(page, parent);
}

QUrl CloseHelp() {
    QPointer<THelpWindow>& viewer = Viewer();
    if (!viewer || !viewer->isVisible())
        return {};
    const QUrl page = viewer->Page();
    // Gone at once, window and all: a new zoom may be set only while no window exists.
    delete viewer.data();
    return page;
}

} // namespace zorva
