#pragma once

#include "core/numerology/Reading.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

// The inputs of a person: a name box and the day, month and year lists, as the
// main window asks for them and the chart's comparison asks for a second
// person; the check an input passes before it is read, with its messages.
namespace ui {

struct PersonInputs {
    QLineEdit* name = nullptr;
    QComboBox* day = nullptr;
    QComboBox* month = nullptr;
    QComboBox* year = nullptr;
};

// The four inputs, children of parent, in the program's font and colours, the
// lists filled (days 1 to 31, the months in the reader's language, the years
// 1900 to 2050) with the first entry of each chosen; each named prefix +
// "Name", "Date", "Month", "Year" after its kind ("txt", "cbo"), as
// "txtName" and "cboDate", or "txtOtherName" and "cboOtherDate".
PersonInputs createPersonInputs(QWidget* parent, const QString& prefix = {});

// The input as typed and picked, the name without leading and trailing spaces.
core::ReadingInput typedInput(const PersonInputs& inputs);

// Shows a saved input in the inputs (a reading opened).
void showInput(const PersonInputs& inputs, const core::ReadingInput& input);

// Whether the input may be used for a reading; where not, tells why over
// parent and puts the focus in the name box when the name is at fault.
bool checkInput(QWidget* parent, const core::ReadingInput& input, QLineEdit* nameBox);

// Tells that a file the user chose is not a reading, as Open does.
void refuseReadingFile(QWidget* parent);

} // namespace ui
