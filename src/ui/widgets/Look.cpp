#include "ui/widgets/Look.h"

#include "ui/platform/Language.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace ui {

QFont programFont(double pointSize, bool bold, bool underline)
{
    // Asking for a family that is not installed costs a font match for every
    // font made from it, so Verdana is asked for only where it exists.
    static const QStringList latin = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
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
