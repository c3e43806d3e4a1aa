#include "ui/register/ReadingsModel.h"

#include "core/numerology/BirthDate.h"
#include "core/numerology/Chart.h"
#include "core/numerology/Numerology.h"
#include "system/CoreText.h"
#include "system/ReadingFolder.h"

#include <QDir>

namespace ui {
namespace {

// Which of two entries comes first in a column, ties broken by the name and
// then the file, so that the order never depends on the order of reading.
int compare(const RegisterEntry& a, const RegisterEntry& b, int column)
{
    const auto order = [](const auto& x, const auto& y) { return x < y ? -1 : (y < x ? 1 : 0); };
    int result = 0;
    switch (column) {
    case ReadingsModel::BirthDate:
        result = order(a.dateKey, b.dateKey);
        break;
    case ReadingsModel::BirthNumber:
        result = order(a.birthNumber, b.birthNumber);
        break;
    case ReadingsModel::LifePath:
        result = order(a.lifePath, b.lifePath);
        break;
    case ReadingsModel::Destiny:
        result = order(a.destiny, b.destiny);
        break;
    case ReadingsModel::Saved:
        result = order(a.saved, b.saved);
        break;
    case ReadingsModel::File:
        result = a.fileName.compare(b.fileName, Qt::CaseInsensitive);
        break;
    default:
        break;
    }
    if (result == 0) {
        result = a.searchKey.compare(b.searchKey);
    }
    if (result == 0) {
        result = a.fileName.compare(b.fileName);
    }
    return result;
}

bool sameRow(const RegisterEntry& a, const RegisterEntry& b)
{
    return a.fileName == b.fileName && a.saved == b.saved && a.name == b.name && a.dateKey == b.dateKey;
}

} // namespace

QString searchKey(const QString& text)
{
    const QString decomposed = text.simplified().normalized(QString::NormalizationForm_D);
    QString kept;
    kept.reserve(decomposed.size());
    bool afterLatin = false;
    for (const char32_t c : decomposed.toUcs4()) {
        if (QChar::isMark(c)) {
            if (afterLatin) {
                continue;
            }
        } else {
            afterLatin = QChar::script(c) == QChar::Script_Latin;
        }
        kept.append(QChar::fromUcs4(c));
    }
    return kept.toCaseFolded();
}

RegisterEntry registerEntry(const sys::FolderReading& reading, const QString& folder)
{
    RegisterEntry entry;
    entry.path = reading.path;
    entry.folder = folder;
    entry.fileName = QDir::toNativeSeparators(reading.fileName);
    entry.saved = reading.saved;
    entry.savedText = reading.saved.isValid() ? reading.saved.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
    entry.problem = reading.problem;
    if (!reading.input) {
        return entry;
    }
    entry.input = *reading.input;
    const core::Reading complete = core::completeReading(entry.input);
    entry.name = sys::fromCore(complete.PersonName);
    entry.searchKey = searchKey(entry.name);
    entry.birthDate = QStringLiteral("%1 %2 %3")
                          .arg(complete.BirthDay)
                          .arg(sys::translatedCore("core::Calendar", core::monthName(complete.BirthMonth)))
                          .arg(complete.BirthYear);
    entry.dateKey = complete.BirthYear * 10000 + complete.BirthMonth * 100 + complete.BirthDay;
    entry.birthNumber = core::birthNumberWorking(complete.BirthDay).result();
    entry.lifePath = complete.LifePathNumber;
    entry.destiny = complete.DestinyNumber;
    return entry;
}

int ReadingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReadingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReadingsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size()) {
        return {};
    }
    const RegisterEntry& row = m_rows.at(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Name:
            return row.name;
        case BirthDate:
            return row.birthDate;
        case BirthNumber:
            return row.birthNumber;
        case LifePath:
            return row.lifePath;
        case Destiny:
            return row.destiny;
        case Saved:
            return row.savedText;
        case File:
            return row.fileName;
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() >= BirthNumber && index.column() <= Destiny) {
        return int(Qt::AlignCenter);
    }
    if (role == Qt::ToolTipRole && index.column() == File) {
        return QDir::toNativeSeparators(row.path);
    }
    return {};
}

QVariant ReadingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Name:
        return tr("Name");
    case BirthDate:
        return tr("Birth Date");
    case BirthNumber:
        return tr("Birth Number");
    case LifePath:
        return tr("Life Path");
    case Destiny:
        return tr("Destiny");
    case Saved:
        return tr("Saved");
    case File:
        return tr("File");
    default:
        return {};
    }
}

void ReadingsModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
    if (!m_notReadings.isEmpty()) {
        m_notReadings.clear();
        emit notReadingsChanged();
    }
}

void ReadingsModel::append(const QList<RegisterEntry>& entries)
{
    QList<RegisterEntry> readings;
    bool others = false;
    for (const RegisterEntry& entry : entries) {
        if (entry.isReading()) {
            readings.append(entry);
        } else {
            m_notReadings.append(entry);
            others = true;
        }
    }
    if (!readings.isEmpty()) {
        const int first = static_cast<int>(m_rows.size());
        beginInsertRows({}, first, first + static_cast<int>(readings.size()) - 1);
        m_rows.append(readings);
        endInsertRows();
    }
    if (others) {
        emit notReadingsChanged();
    }
}

void ReadingsModel::replaceFolder(const QString& folder, const QList<RegisterEntry>& entries)
{
    QHash<QString, const RegisterEntry*> incoming; // by path, the readings not yet in a row
    QList<RegisterEntry> others;
    for (const RegisterEntry& entry : entries) {
        if (entry.isReading()) {
            incoming.insert(entry.path, &entry);
        } else {
            others.append(entry);
        }
    }
    updateRows(folder, incoming);
    QList<RegisterEntry> added;
    for (const RegisterEntry& entry : entries) {
        if (entry.isReading() && incoming.contains(entry.path)) {
            added.append(entry);
        }
    }
    append(added);
    replaceNotReadings(folder, others);
}

void ReadingsModel::updateRows(const QString& folder, QHash<QString, const RegisterEntry*>& incoming)
{
    const auto gone
        = [&](int row) { return m_rows.at(row).folder == folder && !incoming.contains(m_rows.at(row).path); };
    for (int row = static_cast<int>(m_rows.size()) - 1; row >= 0; --row) {
        if (m_rows.at(row).folder != folder) {
            continue;
        }
        if (gone(row)) {
            // Rows that went together leave together.
            const int last = row;
            while (row > 0 && gone(row - 1)) {
                --row;
            }
            beginRemoveRows({}, row, last);
            m_rows.remove(row, last - row + 1);
            endRemoveRows();
            continue;
        }
        const RegisterEntry& now = *incoming.take(m_rows.at(row).path);
        if (!sameRow(m_rows.at(row), now)) {
            m_rows[row] = now;
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        }
    }
}

void ReadingsModel::replaceNotReadings(const QString& folder, const QList<RegisterEntry>& others)
{
    const auto told = [](const QList<RegisterEntry>& list, const QString& of) {
        QStringList lines;
        for (const RegisterEntry& entry : list) {
            if (entry.folder == of) {
                lines.append(entry.path + QLatin1Char('\n') + entry.problem);
            }
        }
        lines.sort();
        return lines;
    };
    const QStringList before = told(m_notReadings, folder);
    m_notReadings.removeIf([&folder](const RegisterEntry& entry) { return entry.folder == folder; });
    m_notReadings.append(others);
    if (told(others, folder) != before) {
        emit notReadingsChanged();
    }
}

ReadingsFilter::ReadingsFilter(ReadingsModel* model, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_model(model)
{
    setSourceModel(model);
}

void ReadingsFilter::setSearch(const QString& text)
{
    const QString key = searchKey(text);
    if (key == m_key) {
        return;
    }
    m_key = key;
    invalidateFilter();
}

bool ReadingsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& /*sourceParent*/) const
{
    return m_key.isEmpty() || m_model->entry(sourceRow).searchKey.contains(m_key);
}

bool ReadingsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return compare(m_model->entry(left.row()), m_model->entry(right.row()), left.column()) < 0;
}

} // namespace ui
