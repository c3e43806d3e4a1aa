#pragma once

#include <QString>

class QWidget;

// The program's message boxes: modal, with one icon and the program's title.
namespace ui {

enum class MessageIcon { Information, Error };

// A message with an OK button.
void showMessage(QWidget* parent, const QString& text, MessageIcon icon);

// A question with Yes and No and the information icon: true for Yes.
bool askYesNo(QWidget* parent, const QString& text);

// A warning that asks whether to save all the same: true for Save, false for
// Cancel (and Escape).
bool askToSaveAnyway(QWidget* parent, const QString& text);

} // namespace ui
