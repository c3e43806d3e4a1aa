#pragma once

#include "core/numerology/Reading.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSortFilterProxyModel>
#include <QString>

namespace sys {
struct FolderReading;
}

namespace ui {

// One file of the register as the list shows it: a reading with its numbers
// and the words its columns show, or why the file is no reading. Made on the
// thread that reads the folder, so the list only copies it.
struct RegisterEntry {
    QString path; // absolute
    QString folder; // the folder it was read from, absolute
    QString fileName; // as seen from the register's folder
    QDateTime saved;
    QString problem; // why it is no reading; empty for a reading
    core::ReadingInput input;

    QString name;
    QString searchKey; // the name as the search compares it (searchKey())
    QString birthDate; // "15 August 1985", the month in the reader's language
    int dateKey = 0; // yyyymmdd, for sorting
    int birthNumber = 0;
    int lifePath = 0;
    int destiny = 0;
    QString savedText;

    bool isReading() const { return problem.isEmpty(); }
};

// The entry of a file read from folder, its numbers computed.
RegisterEntry registerEntry(const sys::FolderReading& reading, const QString& folder);

// A text as the search compares it: decomposed, the accents of Latin letters
// dropped (the vowel signs and other marks of other scripts stay), spaces
// made single, case folded. "José" and "JOSE" give "jose".
QString searchKey(const QString& text);

// The readings of the register, a row each, in the order they came; the
// files that are not readings kept beside them.
class ReadingsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, BirthDate, BirthNumber, LifePath, Destiny, Saved, File, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const RegisterEntry& entry(int row) const { return m_rows.at(row); }
    const QList<RegisterEntry>& notReadings() const { return m_notReadings; }

    void clear();
    // Entries newly read: the readings become rows at the end.
    void append(const QList<RegisterEntry>& entries);
    // The entries of folder as it now stands: rows that are gone are
    // removed, rows that changed are changed in place, new ones added at the
    // end, so that a view keeps its selection and its place.
    void replaceFolder(const QString& folder, const QList<RegisterEntry>& entries);

signals:
    void notReadingsChanged();

private:
    // Removes the rows of folder that are not incoming, and changes those
    // that are, taking them out of incoming.
    void updateRows(const QString& folder, QHash<QString, const RegisterEntry*>& incoming);
    void replaceNotReadings(const QString& folder, const QList<RegisterEntry>& others);

    QList<RegisterEntry> m_rows;
    QList<RegisterEntry> m_notReadings;
};

// The rows whose name holds the search, as one types; every column sorts by
// its value (dates as dates, numbers as numbers).
class ReadingsFilter final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ReadingsFilter(ReadingsModel* model, QObject* parent = nullptr);

    void setSearch(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    const ReadingsModel* m_model;
    QString m_key;
};

} // namespace ui
