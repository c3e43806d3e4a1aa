#pragma once

#include "core/catalogue/GuidanceTexts.h"
#include "core/numerology/BirthDate.h"
#include "core/numerology/Reading.h"
#include "core/numerology/Working.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <string_view>

// The core's texts as the windows show them.
namespace sys {

// A UTF-8 text of the core as widget text; CR LF line ends become the LF that
// widgets expect.
inline QString fromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A text of the core in the reader's language: the core marks its texts with
// their context, and they are looked up here by the same context and text.
inline QString translatedCore(const char* context, std::string_view text)
{
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A text of the core made of paragraphs parted by blank lines, each paragraph
// translated on its own.
inline QString translatedParagraphs(const char* context, std::string_view text)
{
    QStringList paragraphs;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find("\r\n\r\n", start), text.size());
        paragraphs << translatedCore(context, text.substr(start, end - start));
        start = end + 4;
    }
    return paragraphs.join(QLatin1String("\n\n"));
}

// The six entries of a list of the do's or don'ts in the reader's language, one
// per line, as the main window shows them.
inline QString guidanceCaption(const core::GuidanceList& list)
{
    QStringList lines;
    for (const std::string_view entry : list) {
        lines << translatedCore("core::Guidance", entry);
    }
    return lines.join(QLatin1Char('\n'));
}

// How a number was reached, in the reader's language.
inline QString translatedWorking(const core::Working& working)
{
    return fromCore(
        core::workingText(working, translatedCore("core::Working", core::lettersCountFormat()).toStdString()));
}

// The birth date of an input as paper and the comparison write it: "12 March
// 1985", the month in the reader's language.
inline QString birthDateText(const core::ReadingInput& input)
{
    return QStringLiteral("%1 %2 %3")
        .arg(input.BirthDay)
        .arg(translatedCore("core::Calendar", core::monthName(input.BirthMonth)))
        .arg(input.BirthYear);
}

} // namespace sys
