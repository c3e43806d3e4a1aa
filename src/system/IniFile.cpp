#include "system/IniFile.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace sys {
namespace {

const QString kGeneral = QStringLiteral("General");

bool isPlainKeyCharacter(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
        || c == '.';
}

// A key or section name in the file: "/" becomes "\", and every character
// but letters, digits and "_-." is written as %XX, or %UXXXX past U+00FF.
QByteArray escapedKey(const QString& key)
{
    QByteArray escaped;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            escaped += '\\';
        } else if (isPlainKeyCharacter(c)) {
            escaped += static_cast<char>(c);
        } else if (c <= 0xFF) {
            escaped += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            escaped += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return escaped;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The number written by count hex digits at text[from], or -1.
int hexNumber(const QByteArray& text, qsizetype from, int count)
{
    if (from + count > text.size()) {
        return -1;
    }
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = hexValue(text.at(from + i));
        if (digit < 0) {
            return -1;
        }
        value = value * 16 + digit;
    }
    return value;
}

QString unescapedKey(const QByteArray& text)
{
    QString key;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '\\') {
            key += QLatin1Char('/');
        } else if (c == '%' && i + 1 < text.size() && text.at(i + 1) == 'U' && hexNumber(text, i + 2, 4) >= 0) {
            key += QChar(char16_t(hexNumber(text, i + 2, 4)));
            i += 5;
        } else if (c == '%' && hexNumber(text, i + 1, 2) >= 0) {
            key += QChar(char16_t(hexNumber(text, i + 1, 2)));
            i += 2;
        } else {
            key += QLatin1Char(c);
        }
    }
    return key;
}

// The escape of a control character that has one of its own (\n), or nothing.
const char* letterEscape(char16_t c)
{
    switch (c) {
    case '\0':
        return "\\0";
    case '\a':
        return "\\a";
    case '\b':
        return "\\b";
    case '\f':
        return "\\f";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    case '\v':
        return "\\v";
    default:
        return nullptr;
    }
}

// A value's text in the file. Control characters are escaped (\n, \x1f ...),
// and so are a backslash and a quote; a text with ";", "," or "=", or with a
// space at either end, is quoted. Other characters are UTF-8, but in the byte
// arrays and binary values, whose characters stand for bytes: there every
// character past ASCII is escaped as \xHH.
QByteArray escapedValue(const QString& text)
{
    const bool asBytes = text.startsWith(QLatin1String("@ByteArray(")) || text.startsWith(QLatin1String("@Variant("));
    QByteArray escaped;
    bool quoted = false;
    // After \xHH a hex digit would be read as part of the number.
    bool escapeHexDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        quoted = quoted || c == ';' || c == ',' || c == '=';
        if (escapeHexDigit && c < 0x80 && hexValue(static_cast<char>(c)) >= 0) {
            escaped += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        if (const char* letter = letterEscape(c)) {
            escaped += letter;
            escapeHexDigit = c == '\0';
        } else if (c == '"' || c == '\\') {
            escaped += '\\';
            escaped += static_cast<char>(c);
        } else if (c <= 0x1F || (c >= 0x7F && asBytes)) {
            escaped += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
        } else if (c >= 0x80) {
            // A pair of surrogates goes to UTF-8 together.
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            escaped += text.mid(i, length).toUtf8();
            i += length - 1;
        } else {
            escaped += static_cast<char>(c);
        }
    }
    if (quoted || escaped.startsWith(' ') || escaped.endsWith(' ')) {
        escaped = '"' + escaped + '"';
    }
    return escaped;
}

QString textOfValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QString: {
        // A text with a NUL in it is marked as one.
        const QString text = value.toString();
        if (text.contains(QChar::Null)) {
            return QStringLiteral("@String(") + text + QLatin1Char(')');
        }
        return text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    }
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(") + QString::fromLatin1(value.toByteArray()) + QLatin1Char(')');
    case QMetaType::QPoint: {
        const QPoint point = value.toPoint();
        return QStringLiteral("@Point(%1 %2)").arg(point.x()).arg(point.y());
    }
    case QMetaType::QSize: {
        const QSize size = value.toSize();
        return QStringLiteral("@Size(%1 %2)").arg(size.width()).arg(size.height());
    }
    case QMetaType::QRect: {
        const QRect rect = value.toRect();
        return QStringLiteral("@Rect(%1 %2 %3 %4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
    }
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toString();
    default: {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_0);
        stream << value;
        return QStringLiteral("@Variant(") + QString::fromLatin1(bytes) + QLatin1Char(')');
    }
    }
}

QByteArray lineOfValue(const QVariant& value)
{
    if (value.typeId() != QMetaType::QStringList && value.typeId() != QMetaType::QVariantList) {
        return escapedValue(textOfValue(value));
    }
    QByteArrayList items;
    for (const QVariant& item : value.toList()) {
        items << escapedValue(textOfValue(item));
    }
    // A list of one would read back as a single value.
    return items.size() == 1 ? items.front() : items.join(", ");
}

// The numbers of "@Size(800 600)" and the like, or nothing when there are not count.
QList<int> numbersIn(const QString& text, qsizetype from, int count)
{
    const QStringList parts = text.mid(from, text.size() - from - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<int> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        numbers << part.toInt(&ok);
        if (!ok) {
            return {};
        }
    }
    return numbers.size() == count ? numbers : QList<int>();
}

QVariant valueOfText(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@'))) {
        return text;
    }
    if (text.startsWith(QLatin1String("@@"))) {
        return text.mid(1);
    }
    if (text == QLatin1String("@Invalid()")) {
        return {};
    }
    if (!text.endsWith(QLatin1Char(')'))) {
        return text;
    }
    const auto inside = [&text](qsizetype from) { return text.mid(from, text.size() - from - 1); };
    if (text.startsWith(QLatin1String("@ByteArray("))) {
        return inside(11).toLatin1();
    }
    if (text.startsWith(QLatin1String("@String("))) {
        return inside(8);
    }
    if (text.startsWith(QLatin1String("@Variant("))) {
        QByteArray bytes = inside(9).toLatin1();
        QDataStream stream(&bytes, QIODevice::ReadOnly);
        stream.setVersion(QDataStream::Qt_4_0);
        QVariant value;
        stream >> value;
        return stream.status() == QDataStream::Ok ? value : QVariant();
    }
    if (text.startsWith(QLatin1String("@Point("))) {
        const QList<int> n = numbersIn(text, 7, 2);
        return n.isEmpty() ? QVariant(text) : QVariant(QPoint(n[0], n[1]));
    }
    if (text.startsWith(QLatin1String("@Size("))) {
        const QList<int> n = numbersIn(text, 6, 2);
        return n.isEmpty() ? QVariant(text) : QVariant(QSize(n[0], n[1]));
    }
    if (text.startsWith(QLatin1String("@Rect("))) {
        const QList<int> n = numbersIn(text, 6, 4);
        return n.isEmpty() ? QVariant(text) : QVariant(QRect(n[0], n[1], n[2], n[3]));
    }
    return text;
}

// One character of a value's text read so far, and whether quotes or an
// escape protect it from the trimming of spaces.
struct Character {
    char32_t code;
    bool isProtected;
};

QString textOf(QList<Character> characters)
{
    const auto isSpace = [](const Character& c) { return !c.isProtected && (c.code == ' ' || c.code == '\t'); };
    while (!characters.isEmpty() && isSpace(characters.front())) {
        characters.removeFirst();
    }
    while (!characters.isEmpty() && isSpace(characters.back())) {
        characters.removeLast();
    }
    QString text;
    for (const Character& c : characters) {
        text += QString::fromUcs4(&c.code, 1);
    }
    return text;
}

// The character an escape stands for, at text[at] just after the backslash;
// at moves past it.
char32_t escapedCharacter(const QString& text, qsizetype& at)
{
    const char16_t c = text.at(at++).unicode();
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case 'x': {
        char32_t code = 0;
        while (at < text.size() && text.at(at).unicode() < 0x80
            && hexValue(static_cast<char>(text.at(at).unicode())) >= 0 && code <= 0x10FFF) {
            code = code * 16 + static_cast<char32_t>(hexValue(static_cast<char>(text.at(at++).unicode())));
        }
        return code;
    }
    default:
        if (c >= '0' && c <= '7') {
            char32_t code = c - '0';
            for (int digits = 1; digits < 3 && at < text.size() && text.at(at) >= u'0' && text.at(at) <= u'7';
                 ++digits) {
                code = code * 8 + (text.at(at++).unicode() - '0');
            }
            return code;
        }
        return c;
    }
}

// A value as the file writes it: one text, or a list of texts parted by
// commas outside quotes; a ";" outside quotes begins a comment.
QVariant valueOfLine(const QByteArray& line)
{
    const QString text = QString::fromUtf8(line);
    QList<QList<Character>> items(1);
    bool inQuotes = false;
    for (qsizetype at = 0; at < text.size();) {
        const QChar c = text.at(at);
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            ++at;
        } else if (c == QLatin1Char('\\') && at + 1 < text.size()) {
            ++at;
            items.back().append({escapedCharacter(text, at), true});
        } else if (!inQuotes && c == QLatin1Char(',')) {
            items.append(QList<Character>());
            ++at;
        } else if (!inQuotes && c == QLatin1Char(';')) {
            break;
        } else {
            const bool pair = c.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
            const char32_t code = pair ? QChar::surrogateToUcs4(c, text.at(at + 1)) : c.unicode();
            items.back().append({code, inQuotes});
            at += pair ? 2 : 1;
        }
    }
    if (items.size() == 1) {
        return valueOfText(textOf(items.front()));
    }
    QStringList list;
    for (const QList<Character>& item : items) {
        list << textOf(item);
    }
    return list;
}

} // namespace

IniSettings settingsOfIni(const QByteArray& bytes)
{
    IniSettings settings;
    QString section;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) {
            continue;
        }
        if (line.startsWith('[')) {
            const qsizetype end = line.indexOf(']');
            if (end > 0) {
                const QByteArray name = line.mid(1, end - 1).trimmed();
                // "[General]" holds the keys of no section, "[%General]" a section of that name.
                section = name == "General" ? QString() : name == "%General" ? kGeneral : unescapedKey(name);
            }
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) {
            continue;
        }
        const QString key = unescapedKey(line.left(equals).trimmed());
        settings.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key, valueOfLine(line.mid(equals + 1)));
    }
    return settings;
}

QByteArray iniOfSettings(const IniSettings& settings)
{
    // The keys of no section first, in "[General]"; then each section.
    QMap<QString, QList<QByteArray>> sections;
    for (auto entry = settings.cbegin(); entry != settings.cend(); ++entry) {
        const qsizetype slash = entry.key().indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : entry.key().left(slash);
        const QString key = slash < 0 ? entry.key() : entry.key().mid(slash + 1);
        sections[section].append(escapedKey(key) + '=' + lineOfValue(entry.value()));
    }
    QByteArray ini;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!ini.isEmpty()) {
            ini += '\n';
        }
        const QString& name = section.key();
        ini += '['
            + (name.isEmpty()          ? QByteArray("General")
                    : name == kGeneral ? "%General"
                                       : escapedKey(name))
            + "]\n";
        for (const QByteArray& line : section.value()) {
            ini += line + '\n';
        }
    }
    return ini;
}

} // namespace sys
