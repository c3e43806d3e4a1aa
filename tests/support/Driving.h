#pragma once

// Working the program's windows as a user does, by the names of their
// controls: shared by the tests, the screenshot tool and the benchmarks.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

// The control of window with the given object name, or nullptr.
template <typename Control = QWidget> Control* control(const QObject* window, const QString& name)
{
    return window != nullptr ? window->findChild<Control*>(name) : nullptr;
}

// The loaded top-level window of that name (not yet deleted), if any.
inline QWidget* loadedWindow(const QString& name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) {
            return window;
        }
    }
    return nullptr;
}

// Types the name, picks the birth date on the main window and presses the
// reading button.
inline void proceedWith(const QWidget* main, const QString& name, int day, int month, int year)
{
    control<QLineEdit>(main, QStringLiteral("txtName"))->setText(name);
    control<QComboBox>(main, QStringLiteral("cboDate"))->setCurrentIndex(day - 1);
    control<QComboBox>(main, QStringLiteral("cboMonth"))->setCurrentIndex(month - 1);
    control<QComboBox>(main, QStringLiteral("cboYear"))->setCurrentText(QString::number(year));
    control<QPushButton>(main, QStringLiteral("cmdProceed"))->click();
}

// Types path into a Qt file dialog and accepts it; false when dialog is not one.
inline bool chooseFileIn(QWidget* dialog, const QString& path)
{
    auto* name = control<QLineEdit>(dialog, QStringLiteral("fileNameEdit"));
    if (name == nullptr || qobject_cast<QDialog*>(dialog) == nullptr) {
        return false;
    }
    name->setText(path);
    // QFileDialog::accept() is protected.
    QMetaObject::invokeMethod(dialog, "accept");
    return true;
}
