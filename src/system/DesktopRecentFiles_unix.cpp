#include "system/DesktopRecentFiles.h"

#include "system/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <utility>

// The desktop's recent files as GTK and KDE keep them: an XBEL document that
// every program rewrites whole.
namespace sys {
namespace {

const QString kBookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kReadingType = QStringLiteral("application/x-vq-rudraksha-reading");

// A recent-files list past this size is left alone rather than read whole.
constexpr qint64 kLargestRecentFiles = qint64{64} * 1024 * 1024;

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

// Whether two addresses name the same file: compared byte for byte once
// decoded, since programs encode different characters.
bool sameFile(const QByteArray& href, const QByteArray& other)
{
    return QByteArray::fromPercentEncoding(href) == QByteArray::fromPercentEncoding(other);
}

// Copies an XBEL document as it is, but for one file's bookmark: its times,
// and this program's entry among its applications; a file not yet listed is
// added at the end.
class RecentFilesCopy {
public:
    RecentFilesCopy(const QByteArray& existing, QByteArray href, QDateTime now)
        : m_reader(existing)
        , m_xml(&m_bytes)
        , m_href(std::move(href))
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
            && sameFile(attributes.value(QLatin1String("href")).toUtf8(), m_href)) {
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
            writeBookmark(m_xml, QString::fromLatin1(m_href), m_now);
        }
        --m_depth;
    }

    QXmlStreamReader m_reader;
    QByteArray m_bytes;
    QXmlStreamWriter m_xml;
    QByteArray m_href;
    QDateTime m_now;
    int m_depth = 0;
    bool m_inOurs = false; // inside this file's bookmark
    bool m_found = false;
    bool m_applicationFound = false;
};

} // namespace

void recordInDesktopRecentFiles(const QString& path)
{
    // The desktop's list is a convenience: a file that cannot be read or
    // written is left as it is, and so is anything but a regular file.
    const QString recent = desktopRecentFilesPath();
    const FileContents current = readRegularFile(recent, kLargestRecentFiles);
    if (current.status != FileContents::Status::Read && current.status != FileContents::Status::Missing) {
        static bool warned = false;
        if (current.status == FileContents::Status::NotRegular && !std::exchange(warned, true)) {
            qWarning("The desktop's recent files %s are not a regular file and are left alone.",
                qPrintable(QDir::toNativeSeparators(recent)));
        }
        return;
    }
    const std::optional<QByteArray> updated = withRecentFile(current.bytes, path, QDateTime::currentDateTimeUtc());
    if (!updated || !QDir().mkpath(QFileInfo(recent).absolutePath())) {
        return;
    }
    // Which files the user opened is the user's own business.
    writeWholeFile(recent, *updated, NewFileAccess::OwnerOnly);
}

QString desktopRecentFilesPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

std::optional<QByteArray> withRecentFile(const QByteArray& existing, const QString& path, const QDateTime& now)
{
    const QByteArray href = encodedUrlOf(path);
    if (!existing.trimmed().isEmpty()) {
        return RecentFilesCopy(existing, href, now).run();
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
    writeBookmark(xml, QString::fromLatin1(href), now);
    xml.writeEndDocument();
    return bytes;
}

} // namespace sys
