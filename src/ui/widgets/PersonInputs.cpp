#include "ui/widgets/PersonInputs.h"

#include "core/numerology/BirthDate.h"
#include "core/numerology/ReadingCheck.h"
#include "core/storage/TextCodec.h"
#include "system/CoreText.h"
#include "ui/desktop/Messages.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace ui {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

// The name without leading and trailing spaces; other characters stay.
QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n) {
        list.append(QString::number(n));
    }
    return list;
}

} // namespace

PersonInputs createPersonInputs(QWidget* parent, const QString& prefix)
{
    PersonInputs inputs;
    inputs.name = named(new QLineEdit(parent), QStringLiteral("txt%1Name").arg(prefix));
    inputs.day = named(new QComboBox(parent), QStringLiteral("cbo%1Date").arg(prefix));
    inputs.month = named(new QComboBox(parent), QStringLiteral("cbo%1Month").arg(prefix));
    inputs.year = named(new QComboBox(parent), QStringLiteral("cbo%1Year").arg(prefix));
    for (QWidget* input : std::initializer_list<QWidget*>{inputs.name, inputs.day, inputs.month, inputs.year}) {
        input->setFont(programFont());
        setColours(input, Colours::White, Colours::DarkGrey);
    }
    inputs.name->setAccessibleName(QCoreApplication::translate("ui::PersonInputs", "Name"));
    // No longer than a reading file can hold, so every reading can be saved.
    inputs.name->setMaxLength(static_cast<int>(core::MaxTextLength));
    // On Linux a drop-down list is named by its entry, so the description says what it is.
    for (const auto& [list, name] :
        {std::pair{inputs.day, QCoreApplication::translate("ui::PersonInputs", "Birth day")},
            std::pair{inputs.month, QCoreApplication::translate("ui::PersonInputs", "Birth month")},
            std::pair{inputs.year, QCoreApplication::translate("ui::PersonInputs", "Birth year")}}) {
        list->setAccessibleName(name);
        list->setAccessibleDescription(name);
    }
    inputs.day->setMinimumWidth(px(495));
    inputs.month->setMinimumWidth(px(1425));
    inputs.year->setMinimumWidth(px(825));
    // Sized by their longest entry ("September", "2050") without measuring every entry.
    for (const auto& [list, characters] :
        {std::pair{inputs.day, 2}, std::pair{inputs.month, 9}, std::pair{inputs.year, 4}}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(characters);
        // The list that drops down keeps the box's colours.
        setColours(list->view(), Colours::White, Colours::DarkGrey);
    }

    // Each list filled at once: one insertion for the list, not one per entry.
    QStringList months;
    for (int month = 1; month <= 12; ++month) {
        months.append(sys::translatedCore("core::Calendar", core::monthName(month)));
    }
    inputs.day->addItems(numbers(1, 31));
    inputs.month->addItems(months);
    inputs.year->addItems(numbers(kFirstYear, kLastYear));
    return inputs;
}

core::ReadingInput typedInput(const PersonInputs& inputs)
{
    core::ReadingInput input;
    input.PersonName = trimSpaces(inputs.name->text()).toStdString();
    input.BirthDay = static_cast<std::int16_t>(inputs.day->currentIndex() + 1);
    input.BirthMonth = static_cast<std::int16_t>(inputs.month->currentIndex() + 1);
    // The English name whatever the list shows: a reading file keeps it so.
    input.BirthMonthName = std::string(core::monthName(input.BirthMonth));
    input.BirthYear = static_cast<std::int16_t>(inputs.year->currentText().toInt());
    return input;
}

void showInput(const PersonInputs& inputs, const core::ReadingInput& input)
{
    inputs.name->setText(sys::fromCore(input.PersonName));
    inputs.day->setCurrentIndex(input.BirthDay - 1);
    inputs.month->setCurrentIndex(input.BirthMonth - 1);
    inputs.year->setCurrentIndex(inputs.year->findText(QString::number(input.BirthYear)));
}

bool checkInput(QWidget* parent, const core::ReadingInput& input, QLineEdit* nameBox)
{
    switch (core::checkReading(input)) {
    case core::ReadingProblem::None:
        return true;
    case core::ReadingProblem::EmptyName:
        showMessage(
            parent, QCoreApplication::translate("ui::PersonInputs", "Please Enter Your Name"), MessageIcon::Error);
        nameBox->setFocus();
        return false;
    case core::ReadingProblem::NoLetterAToZ:
        // Only the letters A to Z carry a value; a name without one has no destiny.
        showMessage(parent,
            QCoreApplication::translate("ui::PersonInputs", "Please Enter Your Name Using The Letters A To Z"),
            MessageIcon::Error);
        nameBox->setFocus();
        return false;
    case core::ReadingProblem::DateOutOfRange: // the lists offer no such date
    case core::ReadingProblem::FebruaryDay:
        showMessage(parent, QCoreApplication::translate("ui::PersonInputs", "Please Enter Correct Date Or Month!"),
            MessageIcon::Information);
        return false;
    case core::ReadingProblem::ThirtyDayMonth:
        showMessage(parent, QCoreApplication::translate("ui::PersonInputs", "Please Enter Correct Date Or Month !"),
            MessageIcon::Information);
        return false;
    }
    return false;
}

void refuseReadingFile(QWidget* parent)
{
    showMessage(parent, QCoreApplication::translate("ui::PersonInputs", "Please Check The File."), MessageIcon::Error);
}

} // namespace ui
