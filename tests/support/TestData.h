#pragma once

// Data the tests share: core texts as QString, the sample reading and the
// bytes of its file, reading files built from plain lines.

#include "core/numerology/BirthDate.h"
#include "core/numerology/Reading.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <string>
#include <string_view>
#include <utility>

// A UTF-8 text of the core as a QString, for comparisons.
inline QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Sample Name", born 15 August 1985.
inline core::ReadingInput sampleReading()
{
    core::ReadingInput reading;
    reading.PersonName = "Sample Name";
    reading.BirthDay = 15;
    reading.BirthMonth = 8;
    reading.BirthMonthName = "August";
    reading.BirthYear = 1985;
    return reading;
}

// The input of name, born on day, month (1 to 12), year.
inline core::ReadingInput personBorn(std::string name, int day, int month, int year)
{
    core::ReadingInput input;
    input.PersonName = std::move(name);
    input.BirthDay = static_cast<std::int16_t>(day);
    input.BirthMonth = static_cast<std::int16_t>(month);
    input.BirthMonthName = std::string(core::monthName(month));
    input.BirthYear = static_cast<std::int16_t>(year);
    return input;
}

// The sample reading as a file: 34 bytes.
inline const QByteArray kSampleFile = QByteArray::fromHex("a8b6c2c5c1ba75a3b6c2ba0d0a"
                                                          "868a0d0a"
                                                          "8d0d0a"
                                                          "96cabccac8c90d0a"
                                                          "868e8d8a0d0a");

// One line of a reading file for plain ASCII text, without its line end: every
// character code moved up by 85.
inline QByteArray encodedLine(QByteArray plain)
{
    for (char& c : plain) {
        c = static_cast<char>(static_cast<unsigned char>(c) + 85);
    }
    return plain;
}

// A reading file of plain ASCII lines, each followed by lineEnd.
inline QByteArray fileOf(const QList<QByteArray>& plainLines, const QByteArray& lineEnd = "\r\n")
{
    QByteArray data;
    for (const QByteArray& line : plainLines) {
        data += encodedLine(line) + lineEnd;
    }
    return data;
}

// Writes a whole file; false when it could not.
inline bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// The file's bytes; nothing for a missing file.
inline QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
