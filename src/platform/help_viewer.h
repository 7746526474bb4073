#pragma once
#include <QString>
#include <QUrl>

class QWidget;

namespace zorva {

// The manual is HTML in <program folder>/help: index.html is its contents, topic-<n>.html the
// chapter of topic n. A translated manual sits in help/<language>/ and is read in that language;
// a page it lacks is read in English.
void SetHelpFolder(const QString& folder);
// Topic 0 is the contents; a missing chapter falls back to them.
void ShowHelpTopic(int topic, QWidget* parent = nullptr);

// Closes the manual, if it is open, and gives the page it showed (an empty address if none),
// so that the game's window can be made anew at another zoom and the manual reopened there.
QUrl CloseHelp();
void ShowHelpPage(const QUrl& page, QWidget* parent);

// The page the viewer would open for a topic (0 = the contents).
QUrl HelpPage(int topic);

} // namespace zorva
