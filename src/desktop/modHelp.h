#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// The program's exit, its web pages and its message boxes.
namespace modHelp {

// The caption of every message box.
QString ApplicationTitle();

// Sets the organization, application and version names once, at start-up.
void SetApplicationNames();

// Closes every loaded window once and ends the event loop. A window already
// closing is not closed again, and a call made while the windows are being
// closed starts no second walk.
void EndProgram();

// Hands a web address to the desktop's browser; a failure is not reported.
void OpenWebPage(const QUrl& address);

void OpenOnlineHelp();
void OpenHomePage();
void OpenUpdatePage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

// The six addresses the link routines open.
QUrl OnlineHelpAddress();
QUrl HomePageAddress();
QUrl UpdatePageAddress();
QUrl DonatePageAddress();
QUrl FullBrandPageAddress();
QUrl CoBrandPageAddress();

enum class MessageIcon { Information, Error };

// A modal message box with one icon, an OK button and the program's title.
void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon);

} // namespace modHelp
