#pragma once

#include <QUrl>

// The web pages the program hands to the desktop's browser.
namespace ui {

enum class WebPage {
    OnlineHelp, // the program's online help
    HomePage, // the maker's home page, its online discussion forum
    UpdatePage, // the program's download page
    DonatePage, // the maker's page on donating to the program
    FullBrandPage, // the offer of a fully branded edition
    CoBrandPage, // the explanation of co-branding
};

QUrl webPageAddress(WebPage page);

// The address as shown to the user: host and path, without the scheme and the
// closing slash.
QString shownAddress(const QUrl& address);

// Hands a web address to the desktop's browser; a failure is not reported.
void OpenWebPage(const QUrl& address);

// Each page by its name, as the menus and links open it.
void OpenOnlineHelp();
void OpenHomePage();
void OpenUpdatePage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

} // namespace ui
