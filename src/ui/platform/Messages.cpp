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

bool askToSaveAnyway(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Save;
}

} // namespace ui
