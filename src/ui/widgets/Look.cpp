#include "ui/widgets/Look.h"

#include "ui/desktop/ApplicationFont.h"

#include <QApplication>
#include <QPalette>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QWidget>

namespace ui {

void setUpLook()
{
    // The windows' colours rely on a style that honours the palette everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The style caches its drawings under keys that name each widget's palette,
    // and every new window has palettes of its own, so a cached drawing is never
    // used by a later window; Qt 6.4's cache also keeps some bytes for every key
    // it has held, so each reading would keep memory for good.
    QPixmapCache::setCacheLimit(0);
}

QFont programFont(double pointSize, bool bold, bool underline)
{
    // Asking for a family that is not installed costs a font match for every
    // font made from it, so Verdana is asked for only where it exists.
    static const QStringList latin = isFontInstalled(QStringLiteral("Verdana"))
        ? QStringList{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}
        : QStringList{QStringLiteral("DejaVu Sans")};
    QFont font;
    // A language in another script asks for its own font first (its Latin
    // letters match it); English asks for Verdana alone.
    font.setFamilies(scriptFamilies() + latin);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setColours(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, text);
    }
    if (background.isValid()) {
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            palette.setColor(role, background);
        }
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace ui
