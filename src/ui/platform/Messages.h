#pragma once

#include <QString>

class QWidget;

namespace ui {

enum class MessageIcon { Information, Error };

// A modal message box with one icon, an OK button and the program's title.
void showMessage(QWidget* parent, const QString& text, MessageIcon icon);

// A modal warning with the program's title that asks whether to save all the
// same: true for Save, false for Cancel (and Escape).
bool askToSaveAnyway(QWidget* parent, const QString& text);

} // namespace ui
