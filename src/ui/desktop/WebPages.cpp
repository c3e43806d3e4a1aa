#include "ui/desktop/WebPages.h"

#include <QDesktopServices>

#include <array>
#include <utility>

namespace ui {
namespace {

// Every page, by its path on the maker's site.
constexpr std::array<std::pair<WebPage, const char*>, 6> kPages = {{
    {WebPage::OnlineHelp, "rudraksha-numerology/help/"},
    {WebPage::HomePage, "forum/"},
    {WebPage::UpdatePage, "rudraksha-numerology/download/"},
    {WebPage::DonatePage, "help/donate/"},
    {WebPage::FullBrandPage, "help/full-brand/"},
    {WebPage::CoBrandPage, "help/co-brand/"},
}};

void open(WebPage page)
{
    OpenWebPage(webPageAddress(page));
}

} // namespace

QUrl webPageAddress(WebPage page)
{
    for (const auto& [listed, path] : kPages) {
        if (listed == page) {
            return QUrl(QStringLiteral("https://vq-software.example.com/") + QLatin1String(path));
        }
    }
    return {};
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

void OpenOnlineHelp()
{
    open(WebPage::OnlineHelp);
}

void OpenHomePage()
{
    open(WebPage::HomePage);
}

void OpenUpdatePage()
{
    open(WebPage::UpdatePage);
}

void OpenDonatePage()
{
    open(WebPage::DonatePage);
}

void OpenFullBrandPage()
{
    open(WebPage::FullBrandPage);
}

void OpenCoBrandPage()
{
    open(WebPage::CoBrandPage);
}

} // namespace ui
