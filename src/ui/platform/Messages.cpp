#include "ui/platform/Messages.h"

#include <QMessageBox>

namespace ui {

QString ApplicationTitle()
{
    return QStringLiteral("VQ Rudraksha Numerology");
}

void showMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, ApplicationTitle(),
        text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace ui
