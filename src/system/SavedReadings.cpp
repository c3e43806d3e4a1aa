#include "system/SavedReadings.h"

#include "core/storage/ReadingFileLayout.h"
#include "core/storage/TextCodec.h"
#include "system/FileAccess.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

namespace sys {
namespace {

// The name as a file name with its suffix: no folder separators, no
// characters Windows refuses, no control characters, not hidden (no dot or
// space in front), and at most 240 bytes in the file system's measure, so it
// fits on any disk; a long name is cut between two letters.
QString fileNameOf(const QString& name, const QString& suffix)
{
    constexpr qsizetype kLongest = 240;
    QString safe;
    for (const QChar c : name) {
        const bool refused = c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe += refused ? QLatin1Char(' ') : c;
    }
    safe = safe.simplified();
    qsizetype first = 0;
    while (first < safe.size() && (safe.at(first) == QLatin1Char('.') || safe.at(first).isSpace())) {
        ++first;
    }
    safe.remove(0, first);

    const qsizetype room = kLongest - fileNameSize(suffix);
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, safe);
    qsizetype bytes = 0;
    qsizetype end = 0;
    for (qsizetype next = letters.toNextBoundary(); next > 0; next = letters.toNextBoundary()) {
        bytes += fileNameSize(safe.mid(end, next - end));
        if (bytes > room) {
            break;
        }
        end = next;
    }
    safe = safe.left(end).trimmed();
    return (safe.isEmpty() ? QStringLiteral("reading") : safe) + suffix;
}

} // namespace

QString suggestedPdfName(const QString& personName)
{
    return fileNameOf(personName, QStringLiteral(".pdf"));
}

bool isReadingFileName(const QString& path)
{
    return path.endsWith(QLatin1String("rkn"), Qt::CaseInsensitive);
}

std::optional<core::ReadingInput> readReadingFile(const QString& path)
{
    if (!isReadingFileName(path)) {
        return std::nullopt;
    }
    const FileContents file = readRegularFile(path, LargestReadingFile);
    if (file.status != FileContents::Status::Read) {
        return std::nullopt;
    }
    return core::readingFromFileBytes(
        std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
}

QStringList lettersAReadingFileCannotHold(const QString& name)
{
    QStringList letters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        const QString letter = name.mid(start, end - start);
        start = end;
        const std::string text = letter.toStdString();
        if (core::textAsSaved(text) != text && !letters.contains(letter)) {
            letters.append(letter);
        }
    }
    return letters;
}

QString writeReadingFile(const QString& path, const core::ReadingInput& input)
{
    const std::optional<std::string> bytes = core::readingFileBytes(input);
    if (!bytes) {
        return QCoreApplication::translate("sys::SavedReadings", "The name is longer than a reading file can hold.");
    }
    return writeWholeFile(path, QByteArray::fromStdString(*bytes));
}

} // namespace sys
