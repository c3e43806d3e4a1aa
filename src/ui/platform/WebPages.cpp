#include "ui/platform/WebPages.h"

#include <QDesktopServices>

namespace ui {

QUrl webPageAddress(WebPage page)
{
    const auto path = [page] {
        switch (page) {
        case WebPage::OnlineHelp:
            return "rudraksha-numerology/help/";
        case WebPage::HomePage:
            return "forum/";
        case WebPage::UpdatePage:
            return "rudraksha-numerology/download/";
        case WebPage::DonatePage:
            return "help/donate/";
        case WebPage::FullBrandPage:
            return "help/full-brand/";
        case WebPage::CoBrandPage:
            return "help/co-brand/";
        }
        return "";
    }();
    return QUrl(QStringLiteral("https://vq-software.example.com/") + QLatin1String(path));
}

QString shownAddress(const QUrl& address)
{
    return address.toString(QUrl::RemoveScheme | QUrl::StripTrailingSlash).mid(2);
}

void OpenWebPage(const QUrl& address)
{
    // Nothing to tell the user when no browser takes the page.
    QDesktopServices::openUrl(address);
}

} // namespace ui
