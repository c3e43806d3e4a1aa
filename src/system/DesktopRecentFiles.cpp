#include "system/DesktopRecentFiles.h"

#include "system/FileAccess.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

// The desktop's recent files as GTK and KDE keep them: an XBEL document that
// every program rewrites whole. The program changes its own bookmark only and
// keeps every other byte as it was.
namespace sys {
namespace {

const QString kBookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kReadingType = QStringLiteral("application/x-vq-rudraksha-reading");

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

// The prefixes a document gives the two namespaces of recent files, and
// whether its root declares them.
struct Prefixes {
    QString bookmark = QStringLiteral("bookmark");
    QString mime = QStringLiteral("mime");
    bool declared = true;
};

QString bookmarkName(const Prefixes& prefixes, const char* name)
{
    return prefixes.bookmark + QLatin1Char(':') + QLatin1String(name);
}

// Where the document does not declare them, the element that is put in
// declares the namespaces itself.
void declareNamespaces(QXmlStreamWriter& xml, const Prefixes& prefixes)
{
    if (!prefixes.declared) {
        xml.writeAttribute(QStringLiteral("xmlns:") + prefixes.bookmark, kBookmarkNs);
        xml.writeAttribute(QStringLiteral("xmlns:") + prefixes.mime, kMimeNs);
    }
}

void writeApplication(QXmlStreamWriter& xml, const Prefixes& prefixes, const QDateTime& now, int count)
{
    xml.writeEmptyElement(bookmarkName(prefixes, "application"));
    xml.writeAttribute(QStringLiteral("name"), applicationName());
    xml.writeAttribute(QStringLiteral("exec"), QStringLiteral("'%1 %f'").arg(applicationName()));
    xml.writeAttribute(QStringLiteral("modified"), stamp(now));
    xml.writeAttribute(QStringLiteral("count"), QString::number(count));
}

void writeInfo(QXmlStreamWriter& xml, const Prefixes& prefixes, const QDateTime& now)
{
    xml.writeStartElement(QStringLiteral("info"));
    declareNamespaces(xml, prefixes);
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    xml.writeEmptyElement(prefixes.mime + QStringLiteral(":mime-type"));
    xml.writeAttribute(QStringLiteral("type"), kReadingType);
    xml.writeStartElement(bookmarkName(prefixes, "applications"));
    writeApplication(xml, prefixes, now, 1);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeBookmark(QXmlStreamWriter& xml, const Prefixes& prefixes, const QString& href, const QDateTime& now)
{
    xml.writeStartElement(QStringLiteral("bookmark"));
    xml.writeAttribute(QStringLiteral("href"), href);
    for (const char* time : {"added", "modified", "visited"}) {
        xml.writeAttribute(QString::fromLatin1(time), stamp(now));
    }
    writeInfo(xml, prefixes, now);
    xml.writeEndElement();
}

// What write puts in the document, as text to splice into it.
QString fragment(const std::function<void(QXmlStreamWriter&)>& write)
{
    QString text;
    QXmlStreamWriter xml(&text);
    write(xml);
    // Closes what is open, the last empty element's tag too.
    xml.writeEndDocument();
    return text;
}

// Whether two addresses name the same file: compared byte for byte once
// decoded, since programs encode different characters.
bool sameFile(const QByteArray& href, const QByteArray& other)
{
    return QByteArray::fromPercentEncoding(href) == QByteArray::fromPercentEncoding(other);
}

// A piece of the document replaced by new text (or new text put in, where
// length is 0).
struct Splice {
    qsizetype at = 0;
    qsizetype length = 0;
    QString text;
};

// An XBEL document as it is, every byte of it, but for one file's bookmark:
// its times, and this program's entry among its applications, are brought up
// to date; a file not yet listed gets a bookmark of its own before the end.
class RecentFilesEdit {
public:
    RecentFilesEdit(const QString& document, QByteArray href, QDateTime now)
        : m_document(document)
        , m_reader(document)
        , m_href(std::move(href))
        , m_now(std::move(now))
    { }

    // The new document, or nothing when the old one is not XBEL.
    std::optional<QString> run()
    {
        while (!m_reader.atEnd()) {
            const qsizetype before = tagStart(m_reader.characterOffset());
            const QXmlStreamReader::TokenType token = m_reader.readNext();
            if (token == QXmlStreamReader::Invalid) {
                break;
            }
            if (token == QXmlStreamReader::StartElement && !startElement(before)) {
                return std::nullopt;
            }
            if (token == QXmlStreamReader::EndElement) {
                endElement(before);
            }
        }
        if (m_reader.hasError() || m_depth != 0) {
            return std::nullopt;
        }
        QString edited = m_document;
        // From the end, so that each splice finds its place where it was.
        std::sort(m_splices.begin(), m_splices.end(), [](const Splice& a, const Splice& b) { return a.at > b.at; });
        for (const Splice& splice : m_splices) {
            edited.replace(splice.at, splice.length, splice.text);
        }
        return edited;
    }

private:
    // Where the tag that follows offset begins: the reader has read its "<"
    // already where text came before it.
    qsizetype tagStart(qsizetype offset) const
    {
        const bool pastTheStart = offset > 0 && offset <= m_document.size()
            && m_document.at(offset - 1) == QLatin1Char('<')
            && (offset == m_document.size() || m_document.at(offset) != QLatin1Char('<'));
        return pastTheStart ? offset - 1 : offset;
    }

    // False when the document is not XBEL.
    bool startElement(qsizetype before)
    {
        ++m_depth;
        const QXmlStreamAttributes attributes = m_reader.attributes();
        if (m_depth == 1) {
            if (m_reader.name() != QLatin1String("xbel") || !m_reader.namespaceUri().isEmpty()) {
                return false;
            }
            readPrefixes();
        } else if (m_depth == 2 && !m_found && m_reader.name() == QLatin1String("bookmark")
            && sameFile(attributes.value(QLatin1String("href")).toUtf8(), m_href)) {
            m_found = true;
            m_inOurs = true;
            m_ours = {before, m_reader.characterOffset() - before, startTag(attributes)};
        } else if (m_inOurs && !m_applicationFound && m_reader.namespaceUri() == kBookmarkNs
            && m_reader.name() == QLatin1String("application")
            && attributes.value(QLatin1String("name")) == applicationName()) {
            m_applicationFound = true;
            const int count = attributes.value(QLatin1String("count")).toInt() + 1;
            m_reader.skipCurrentElement();
            --m_depth;
            m_splices.push_back({before, m_reader.characterOffset() - before, fragment([&](QXmlStreamWriter& xml) {
                                     writeApplication(xml, m_prefixes, m_now, count);
                                     declareNamespaces(xml, m_prefixes);
                                 })});
        }
        return true;
    }

    void endElement(qsizetype before)
    {
        if (m_inOurs && !m_applicationFound && m_reader.namespaceUri() == kBookmarkNs
            && m_reader.name() == QLatin1String("applications")) {
            m_applicationFound = true;
            m_splices.push_back({before, 0, fragment([&](QXmlStreamWriter& xml) {
                                     writeApplication(xml, m_prefixes, m_now, 1);
                                     declareNamespaces(xml, m_prefixes);
                                 })});
        }
        if (m_inOurs && m_depth == 2) {
            m_inOurs = false;
            endOfOurs(before);
        }
        if (m_depth == 1 && !m_found) {
            m_splices.push_back(
                {before, 0, QStringLiteral("  ") + fragment([&](QXmlStreamWriter& xml) {
                     writeBookmark(xml, m_prefixes, QString::fromLatin1(m_href), m_now);
                 }) + QLatin1Char('\n')});
        }
        --m_depth;
    }

    // The bookmark's start tag gets its new times; where it holds no entry of
    // this program, one goes in before its end.
    void endOfOurs(qsizetype endTag)
    {
        const bool empty = endTag == m_ours.at + m_ours.length && m_document.at(endTag - 2) == QLatin1Char('/');
        if (empty) {
            // <bookmark .../>: made whole.
            m_ours.text += fragment([&](QXmlStreamWriter& xml) { writeInfoOnce(xml); }) + QStringLiteral("</bookmark>");
        } else if (!m_applicationFound) {
            m_splices.push_back({endTag, 0, fragment([&](QXmlStreamWriter& xml) { writeInfoOnce(xml); })});
        }
        m_splices.push_back(m_ours);
    }

    void writeInfoOnce(QXmlStreamWriter& xml)
    {
        writeInfo(xml, m_prefixes, m_now);
        m_applicationFound = true;
    }

    QString startTag(const QXmlStreamAttributes& attributes) const
    {
        QString tag = QStringLiteral("<bookmark");
        QStringList times{QStringLiteral("modified"), QStringLiteral("visited")};
        for (const QXmlStreamAttribute& attribute : attributes) {
            const bool time = times.removeOne(attribute.qualifiedName().toString());
            const QString value = time ? stamp(m_now) : attribute.value().toString();
            tag += QStringLiteral(" %1=\"%2\"").arg(attribute.qualifiedName().toString(), value.toHtmlEscaped());
        }
        for (const QString& time : times) {
            tag += QStringLiteral(" %1=\"%2\"").arg(time, stamp(m_now));
        }
        return tag + QLatin1Char('>');
    }

    void readPrefixes()
    {
        bool bookmark = false;
        bool mime = false;
        for (const QXmlStreamNamespaceDeclaration& declaration : m_reader.namespaceDeclarations()) {
            if (declaration.namespaceUri() == kBookmarkNs && !declaration.prefix().isEmpty()) {
                m_prefixes.bookmark = declaration.prefix().toString();
                bookmark = true;
            } else if (declaration.namespaceUri() == kMimeNs && !declaration.prefix().isEmpty()) {
                m_prefixes.mime = declaration.prefix().toString();
                mime = true;
            }
        }
        if (!bookmark || !mime) {
            m_prefixes = Prefixes{};
            m_prefixes.declared = false;
        }
    }

    const QString& m_document;
    QXmlStreamReader m_reader;
    QByteArray m_href;
    QDateTime m_now;
    Prefixes m_prefixes;
    std::vector<Splice> m_splices;
    Splice m_ours;
    int m_depth = 0;
    bool m_inOurs = false; // inside this file's bookmark
    bool m_found = false;
    bool m_applicationFound = false;
};

} // namespace

std::optional<QByteArray> withRecentFile(const QByteArray& existing, const QString& path, const QDateTime& now)
{
    const QByteArray href = encodedUrlOf(path);
    if (!existing.trimmed().isEmpty()) {
        // Other programs' bytes are kept as they are: text that is not UTF-8
        // could not be, and the document is left alone.
        const QString document = QString::fromUtf8(existing);
        if (document.toUtf8() != existing) {
            return std::nullopt;
        }
        const std::optional<QString> edited = RecentFilesEdit(document, href, now).run();
        return edited ? std::optional<QByteArray>(edited->toUtf8()) : std::nullopt;
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
    writeBookmark(xml, Prefixes{}, QString::fromLatin1(href), now);
    xml.writeEndDocument();
    return bytes;
}

} // namespace sys
