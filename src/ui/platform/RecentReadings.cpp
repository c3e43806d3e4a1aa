#include "ui/platform/RecentReadings.h"

#include "ui/platform/UpdateCheck.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <utility>

namespace ui {
namespace {

const QString kList = QStringLiteral("Recent");
const QString kPath = QStringLiteral("path");
const QString kName = QStringLiteral("name");

const QString kBookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kReadingType = QStringLiteral("application/x-vq-rudraksha-reading");

// A recent-files list past this size is left alone rather than read whole.
constexpr qint64 kLargestRecentFiles = qint64{64} * 1024 * 1024;

// A name longer than this is cut in the menu.
constexpr qsizetype kLongestShownName = 40;

void storeList(const QList<RecentReading>& list)
{
    const std::unique_ptr<QSettings> settings = openReminderSettings();
    settings->remove(kList);
    settings->beginWriteArray(kList, static_cast<int>(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        settings->setArrayIndex(static_cast<int>(i));
        settings->setValue(kPath, list.at(i).path);
        settings->setValue(kName, list.at(i).personName);
    }
    settings->endArray();
    settings->sync();
}

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

QString stamp(const QDateTime& now)
{
    return now.toUTC().toString(Qt::ISODateWithMs);
}

// The program as GTK and KDE name the application of a recent file; the
// command opens the file as the menu entry does.
QString applicationName()
{
    return QCoreApplication::applicationName();
}

void writeApplication(QXmlStreamWriter& xml, const QDateTime& now, int count)
{
    xml.writeEmptyElement(kBookmarkNs, QStringLiteral("application"));
    xml.writeAttribute(QStringLiteral("name"), applicationName());
    xml.writeAttribute(QStringLiteral("exec"), QStringLiteral("'%1 %f'").arg(applicationName()));
    xml.writeAttribute(QStringLiteral("modified"), stamp(now));
    xml.writeAttribute(QStringLiteral("count"), QString::number(count));
}

void writeInfo(QXmlStreamWriter& xml, const QDateTime& now)
{
    xml.writeStartElement(QStringLiteral("info"));
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    xml.writeEmptyElement(kMimeNs, QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), kReadingType);
    xml.writeStartElement(kBookmarkNs, QStringLiteral("applications"));
    writeApplication(xml, now, 1);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeBookmark(QXmlStreamWriter& xml, const QString& href, const QDateTime& now)
{
    xml.writeStartElement(QStringLiteral("bookmark"));
    xml.writeAttribute(QStringLiteral("href"), href);
    for (const char* time : {"added", "modified", "visited"}) {
        xml.writeAttribute(QString::fromLatin1(time), stamp(now));
    }
    writeInfo(xml, now);
    xml.writeEndElement();
}

// Copies an XBEL document as it is, but for one file's bookmark: its times,
// and this program's entry among its applications; a file not yet listed is
// added at the end.
class RecentFilesCopy {
public:
    RecentFilesCopy(const QByteArray& existing, QUrl url, QDateTime now)
        : m_reader(existing)
        , m_xml(&m_bytes)
        , m_url(std::move(url))
        , m_now(std::move(now))
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(2);
    }

    // The new document, or nothing when the old one is not XBEL.
    std::optional<QByteArray> run()
    {
        while (!m_reader.atEnd()) {
            const QXmlStreamReader::TokenType token = m_reader.readNext();
            if (token == QXmlStreamReader::Invalid) {
                break;
            }
            if (token == QXmlStreamReader::Characters && m_reader.isWhitespace()) {
                continue; // the writer lays the document out anew
            }
            if (token == QXmlStreamReader::StartElement) {
                ++m_depth;
                if (m_depth == 1 && (m_reader.name() != QLatin1String("xbel") || !m_reader.namespaceUri().isEmpty())) {
                    return std::nullopt;
                }
                if (startElement()) {
                    continue;
                }
            } else if (token == QXmlStreamReader::EndElement) {
                endElement();
            }
            m_xml.writeCurrentToken(m_reader);
        }
        if (m_reader.hasError() || m_depth != 0) {
            return std::nullopt;
        }
        return m_bytes;
    }

private:
    // Writes the element in its new form and returns true, or leaves it to be copied.
    bool startElement()
    {
        const QXmlStreamAttributes attributes = m_reader.attributes();
        if (m_depth == 2 && !m_found && m_reader.name() == QLatin1String("bookmark")
            && QUrl(attributes.value(QLatin1String("href")).toString()) == m_url) {
            m_inOurs = true;
            m_found = true;
            m_xml.writeStartElement(QStringLiteral("bookmark"));
            for (const QXmlStreamAttribute& attribute : attributes) {
                if (attribute.name() != QLatin1String("modified") && attribute.name() != QLatin1String("visited")) {
                    m_xml.writeAttribute(attribute);
                }
            }
            m_xml.writeAttribute(QStringLiteral("modified"), stamp(m_now));
            m_xml.writeAttribute(QStringLiteral("visited"), stamp(m_now));
            return true;
        }
        if (m_inOurs && m_reader.namespaceUri() == kBookmarkNs && m_reader.name() == QLatin1String("application")
            && attributes.value(QLatin1String("name")) == applicationName()) {
            m_applicationFound = true;
            writeApplication(m_xml, m_now, attributes.value(QLatin1String("count")).toInt() + 1);
            m_reader.skipCurrentElement();
            --m_depth;
            return true;
        }
        return false;
    }

    // Adds what the file's bookmark or the document still lacks before the element ends.
    void endElement()
    {
        if (m_inOurs && !m_applicationFound && m_reader.namespaceUri() == kBookmarkNs
            && m_reader.name() == QLatin1String("applications")) {
            writeApplication(m_xml, m_now, 1);
            m_applicationFound = true;
        }
        if (m_inOurs && m_depth == 2) {
            if (!m_applicationFound) {
                writeInfo(m_xml, m_now);
            }
            m_inOurs = false;
        }
        if (m_depth == 1 && !m_found) {
            writeBookmark(m_xml, QString::fromLatin1(m_url.toEncoded()), m_now);
        }
        --m_depth;
    }

    QXmlStreamReader m_reader;
    QByteArray m_bytes;
    QXmlStreamWriter m_xml;
    QUrl m_url;
    QDateTime m_now;
    int m_depth = 0;
    bool m_inOurs = false; // inside this file's bookmark
    bool m_found = false;
    bool m_applicationFound = false;
};

} // namespace

QList<RecentReading> recentReadings()
{
    const std::unique_ptr<QSettings> settings = openReminderSettings();
    QList<RecentReading> list;
    const int size = settings->beginReadArray(kList);
    for (int i = 0; i < size && list.size() < MaxRecentReadings; ++i) {
        settings->setArrayIndex(i);
        const QString path = settings->value(kPath).toString();
        if (!path.isEmpty()) {
            list.append({path, settings->value(kName).toString()});
        }
    }
    settings->endArray();
    return list;
}

void noteRecentReading(const QString& path, const QString& personName)
{
    const QString file = absolute(path);
    QList<RecentReading> list = recentReadings();
    list.removeIf([&file](const RecentReading& entry) { return entry.path == file; });
    list.prepend({file, personName});
    storeList(list.mid(0, MaxRecentReadings));

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The desktop's list is a convenience: a file that cannot be read or
    // written is left as it is.
    const QString recent = desktopRecentFilesPath();
    QByteArray existing;
    QFile current(recent);
    if (current.exists()) {
        if (current.size() > kLargestRecentFiles || !current.open(QIODevice::ReadOnly)) {
            return;
        }
        existing = current.readAll();
        current.close();
    }
    const std::optional<QByteArray> updated = withRecentFile(existing, file, QDateTime::currentDateTimeUtc());
    if (!updated || !QDir().mkpath(QFileInfo(recent).absolutePath())) {
        return;
    }
    QSaveFile out(recent);
    if (!out.open(QIODevice::WriteOnly)) {
        return;
    }
    if (existing.isEmpty() && !current.exists()) {
        // Which files the user opened is the user's own business.
        out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    if (out.write(*updated) != updated->size() || !out.flush()) {
        out.cancelWriting();
    }
    out.commit();
#endif
}

void forgetRecentReading(const QString& path)
{
    const QString file = absolute(path);
    QList<RecentReading> list = recentReadings();
    if (list.removeIf([&file](const RecentReading& entry) { return entry.path == file; }) > 0) {
        storeList(list);
    }
}

QString desktopRecentFilesPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

std::optional<QByteArray> withRecentFile(const QByteArray& existing, const QString& path, const QDateTime& now)
{
    const QUrl url = QUrl::fromLocalFile(absolute(path));
    if (!existing.trimmed().isEmpty()) {
        return RecentFilesCopy(existing, url, now).run();
    }
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("xbel"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xml.writeNamespace(kBookmarkNs, QStringLiteral("bookmark"));
    xml.writeNamespace(kMimeNs, QStringLiteral("mime"));
    writeBookmark(xml, QString::fromLatin1(url.toEncoded()), now);
    xml.writeEndDocument();
    return bytes;
}

RecentReadingsMenu::RecentReadingsMenu(QMenu* menu, QAction* before)
    : QObject(menu)
    , m_menu(menu)
    , m_before(before)
{
    // Separators on both sides; the menu hides those at its top and doubled ones.
    menu->insertSeparator(before)->setObjectName(QStringLiteral("mnuRecentAbove"));
    menu->insertSeparator(before)->setObjectName(QStringLiteral("mnuRecentBelow"));
    m_before = menu->actions().at(menu->actions().indexOf(before) - 1);
    connect(menu, &QMenu::aboutToShow, this, &RecentReadingsMenu::refresh);
    refresh();
}

void RecentReadingsMenu::refresh()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    const QList<RecentReading> list = recentReadings();
    for (qsizetype i = 0; i < list.size(); ++i) {
        QString name = list.at(i).personName;
        if (name.size() > kLongestShownName) {
            name = name.left(kLongestShownName - 1) + QChar(0x2026);
        }
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QString file = QFileInfo(list.at(i).path).fileName();
        file.replace(QLatin1Char('&'), QLatin1String("&&"));
        // The number is the entry's access key.
        auto* entry = new QAction(tr("&%1 %2 (%3)").arg(i + 1).arg(name, file), m_menu);
        entry->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
        const QString path = list.at(i).path;
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
        m_menu->insertAction(m_before, entry);
        m_entries.append(entry);
    }
}

} // namespace ui
