#include "store/IniDocument.h"

#include <QStringDecoder>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView utf8Bom = "\xEF\xBB\xBF";

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The C0 and C1 controls and DEL, tab aside: nothing a person types into a settings file.
qsizetype controlCharacterAt(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F))
            return i;
    }
    return -1;
}

// A byte-order mark inside the file is a character like any other; only the file's first one is not.
std::optional<QString> decodeLine(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The length of the first line, without its line end.
qsizetype lineLength(QByteArrayView bytes) {
    qsizetype length = 0;
    while (length < bytes.size() && bytes[length] != '\n' && bytes[length] != '\r')
        ++length;
    return length;
}

} // namespace

IniParseResult IniDocument::parse(const QByteArray& bytes) {
    IniParseResult result;
    IniDocument& document = result.document;
    QByteArrayView rest = bytes;
    if (rest.startsWith(utf8Bom)) {
        document.m_bom = utf8Bom.toByteArray();
        rest = rest.sliced(utf8Bom.size());
    }
    QString section;
    for (int number = 1; !rest.isEmpty(); ++number) {
        const qsizetype length = lineLength(rest);
        const qsizetype endLength = length == rest.size() ? 0 : rest.sliced(length).startsWith("\r\n") ? 2 : 1;
        const std::optional<QString> text = decodeLine(rest.first(length));
        if (!text) {
            result.error = u"line %1 is not UTF-8 text"_s.arg(number);
            return result;
        }
        if (const qsizetype at = controlCharacterAt(*text); at >= 0) {
            const QString code = QString::number((*text)[at].unicode(), 16).toUpper().rightJustified(4, u'0');
            result.error = u"line %1 holds a control character (U+%2)"_s.arg(number).arg(code);
            return result;
        }
        Line line = readLine(*text);
        if (line.kind == LineKind::Unknown) {
            result.error = u"line %1 is not a section, a setting or a comment"_s.arg(number);
            return result;
        }
        if (line.kind == LineKind::Section)
            section = line.section;
        line.section = section;
        line.bytes = rest.first(length).toByteArray();
        line.end = rest.sliced(length, endLength).toByteArray();
        document.m_lines.append(line);
        rest = rest.sliced(length + endLength);
    }
    return result;
}

QList<IniDocument::Setting> IniDocument::settings() const {
    QList<Setting> found;
    for (const Line& line : m_lines) {
        if (line.kind == LineKind::Setting)
            found.append({line.section, line.key, line.value});
    }
    return found;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const qsizetype at = lastSettingLine(section, key);
    return at < 0 ? std::nullopt : std::optional(m_lines[at].value);
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const QString settingText = key + u'=' + encodeValue(value);
    if (!readsBack(settingText, LineKind::Setting, key, value))
        return false;
    if (const qsizetype at = lastSettingLine(section, key); at >= 0) {
        Line& line = m_lines[at];
        if (line.value == value)
            return true; // however the file spells it, it stays so
        // The key and the blanks around "=" stay as the file has them.
        line.bytes = (decodeLine(line.bytes)->first(line.valueStart) + encodeValue(value)).toUtf8();
        line.value = value;
        return true;
    }
    if (const qsizetype at = insertionLine(section); at >= 0) {
        insertLine(at, settingText);
        return true;
    }
    const QString header = u'[' + section + u']';
    if (!readsBack(header, LineKind::Section, section))
        return false;
    // A blank line between sections, as people and most programs write them.
    if (!m_lines.isEmpty() && m_lines.last().kind != LineKind::Blank)
        insertLine(m_lines.size(), {});
    insertLine(m_lines.size(), header);
    insertLine(m_lines.size(), settingText);
    return true;
}

QByteArray IniDocument::toBytes() const {
    QByteArray bytes = m_bom;
    for (const Line& line : m_lines)
        bytes += line.bytes + line.end;
    return bytes;
}

QString IniDocument::encodeValue(const QString& value) {
    const bool quoted = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()) || value.front() == u'"');
    if (!quoted)
        return value;
    QString text = u"\""_s;
    for (const QChar c : value) {
        if (c == u'"' || c == u'\\')
            text += u'\\';
        text += c;
    }
    return text + u'"';
}

QString IniDocument::decodeValue(QStringView text) {
    if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"'))
        return text.toString();
    const QStringView quoted = text.sliced(1, text.size() - 2);
    QString value;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == u'\\' && i + 1 < quoted.size() && (quoted[i + 1] == u'"' || quoted[i + 1] == u'\\'))
            ++i;
        value += quoted[i];
    }
    return value;
}

IniDocument::Line IniDocument::readLine(const QString& text) {
    Line line;
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.isEmpty()) {
        line.kind = LineKind::Blank;
    } else if (trimmed.startsWith(u';') || trimmed.startsWith(u'#')) {
        line.kind = LineKind::Comment;
    } else if (trimmed.size() >= 2 && trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
        line.kind = LineKind::Section;
        line.section = trimBlanks(trimmed.sliced(1, trimmed.size() - 2)).toString();
    } else if (const qsizetype equals = text.indexOf(u'='); equals > 0 && !trimBlanks(text.first(equals)).isEmpty()) {
        line.kind = LineKind::Setting;
        line.key = trimBlanks(text.first(equals)).toString();
        line.valueStart = equals + 1;
        while (line.valueStart < text.size() && isBlank(text[line.valueStart]))
            ++line.valueStart;
        line.value = decodeValue(trimBlanks(QStringView(text).sliced(line.valueStart)));
    }
    return line;
}

// Whether a line about to be written reads back as what it is written for.
bool IniDocument::readsBack(const QString& text, LineKind kind, const QString& name, const QString& value) {
    if (controlCharacterAt(text) >= 0 || !QStringView(text).isValidUtf16())
        return false;
    const Line line = readLine(text);
    return line.kind == kind && (kind == LineKind::Section ? line.section : line.key) == name && line.value == value;
}

qsizetype IniDocument::lastSettingLine(const QString& section, const QString& key) const {
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::Setting && sameName(line.key, key) && sameName(line.section, section))
            return i;
    }
    return -1;
}

// Just after the last setting of the section's last stretch, or after its header when that stretch has none;
// -1 when the file has no such section. Keys above the first section are in the section "", always there.
qsizetype IniDocument::insertionLine(const QString& section) const {
    qsizetype at = section.isEmpty() ? 0 : -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if ((line.kind == LineKind::Section || line.kind == LineKind::Setting) && sameName(line.section, section))
            at = i + 1;
    }
    return at;
}

void IniDocument::insertLine(qsizetype at, const QString& text) {
    const QByteArray end = lineEnd();
    if (at > 0 && m_lines[at - 1].end.isEmpty())
        m_lines[at - 1].end = end;
    Line line = readLine(text);
    if (line.kind != LineKind::Section)
        line.section = at > 0 ? m_lines[at - 1].section : QString();
    line.bytes = text.toUtf8();
    line.end = end;
    m_lines.insert(at, line);
}

// New lines end the way the file's lines already do.
QByteArray IniDocument::lineEnd() const {
    for (const Line& line : m_lines) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return "\n"_ba;
}

} // namespace velmora
