#include "ui/platform/Messages.h"

#include "ui/platform/Program.h"

#include <QMessageBox>

namespace ui {

void showMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, ApplicationTitle(),
        text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace ui
