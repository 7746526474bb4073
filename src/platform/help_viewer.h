#pragma once
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace zorva {

// The manual is HTML in <program folder>/help: index.html is its contents, topic-<n>.html the
// chapter of topic n.
void SetHelpFolder(const QString& folder);
void ShowHelpContents(QWidget* parent = nullptr);
// Falls back to the contents when the chapter is missing.
void ShowHelpTopic(int topic, QWidget* parent = nullptr);

// The page the viewer would open for a topic (0 = the contents).
QUrl HelpPage(int topic);

// While set, the viewer only reports the page it would open.
void SetHelpHookForTesting(std::function<void(const QUrl&)> hook);

} // namespace zorva
