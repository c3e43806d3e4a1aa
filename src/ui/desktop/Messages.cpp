#include "ui/desktop/Messages.h"

#include "system/ProgramNames.h"

#include <QMessageBox>

namespace ui {

void showMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
        sys::ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text)
{
    QMessageBox box(
        QMessageBox::Information, sys::ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

bool askToSaveAnyway(QWidget* parent, const QString& text)
{
    QMessageBox box(
        QMessageBox::Warning, sys::ApplicationTitle(), text, QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Save;
}

} // namespace ui
