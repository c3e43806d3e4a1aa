#include "desktop/modHelp.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace modHelp {
namespace {

// True while EndProgram closes the windows.
bool g_closingAll = false;

const QString kSite = QStringLiteral("https://vq-software.example.com/");

QUrl Page(const QString& path)
{
    return {kSite + path};
}

} // namespace

QString ApplicationTitle()
{
    return QStringLiteral("VQ Rudraksha Numerology");
}

void SetApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VQ Software"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vq-software.example.com"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ_VERSION));
    // The application name stays the executable's base name, which keys the
    // per-user settings.
}

void EndProgram()
{
    if (g_closingAll) {
        return;
    }
    g_closingAll = true;

    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip) {
            windows.append(widget);
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        // A window may have been deleted by the close of another.
        if (window) {
            window->close();
        }
    }
    g_closingAll = false;
    QCoreApplication::exit(0);
}

void OpenWebPage(const QUrl& address)
{
    // Nothing to tell the user when no browser takes the page.
    QDesktopServices::openUrl(address);
}

QUrl OnlineHelpAddress()
{
    return Page(QStringLiteral("rudraksha-numerology/help/"));
}

QUrl HomePageAddress()
{
    return Page(QStringLiteral("forum/"));
}

QUrl UpdatePageAddress()
{
    return Page(QStringLiteral("rudraksha-numerology/download/"));
}

QUrl DonatePageAddress()
{
    return Page(QStringLiteral("help/donate/"));
}

QUrl FullBrandPageAddress()
{
    return Page(QStringLiteral("help/full-brand/"));
}

QUrl CoBrandPageAddress()
{
    return Page(QStringLiteral("help/co-brand/"));
}

void OpenOnlineHelp()
{
    OpenWebPage(OnlineHelpAddress());
}

void OpenHomePage()
{
    OpenWebPage(HomePageAddress());
}

void OpenUpdatePage()
{
    OpenWebPage(UpdatePageAddress());
}

void OpenDonatePage()
{
    OpenWebPage(DonatePageAddress());
}

void OpenFullBrandPage()
{
    OpenWebPage(FullBrandPageAddress());
}

void OpenCoBrandPage()
{
    OpenWebPage(CoBrandPageAddress());
}

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, ApplicationTitle(),
        text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace modHelp
