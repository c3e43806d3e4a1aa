#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

// The INI files of QSettings (its IniFormat), read and written by the program
// itself: the settings file is then read bounded and replaced through the
// program's own durable write, and no lock file of Qt's is ever taken, read or
// waited on. A file either one writes, the other reads with every key and
// value kept.
namespace sys {

// Keys as QSettings names them ("Recent/1/path"; a key without a section is
// in "General"), with their values.
using IniSettings = QMap<QString, QVariant>;

// The keys and values of an INI file. Lines it cannot make sense of are
// passed over, so any bytes give some settings.
IniSettings settingsOfIni(const QByteArray& bytes);

// The INI file of settings: one section for each first part of the keys, in
// the order of their names, each key with its value as QSettings writes them
// (texts, numbers, true and false, points, sizes, rectangles, byte arrays;
// anything else in Qt's own binary form).
QByteArray iniOfSettings(const IniSettings& settings);

} // namespace sys
