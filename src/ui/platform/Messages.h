#pragma once

#include <QString>

class QWidget;

namespace ui {

enum class MessageIcon { Information, Error };

// A modal message box with one icon, an OK button and the program's title.
void showMessage(QWidget* parent, const QString& text, MessageIcon icon);

} // namespace ui
