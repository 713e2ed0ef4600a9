#include "store/ItemRecordCodec.h"

#include "model/ItemValues.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <array>
#include <optional>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

// Item files are Windows-1252 everywhere, so they move between systems whatever the local code page.
constexpr auto CodePage = "windows-1252";
constexpr char Separator = '\xA5';
constexpr auto LineEnd = "\r\n";

const QString MissingCodePage = u"this system cannot convert Windows-1252 text"_s;

// The field's bytes, or nothing when the file could not give the text back as it is.
std::optional<QByteArray> storedForm(QStringView text) {
    // A NUL would make the file one that scripts refuse to read.
    if (text.contains(u'\u00A5') || text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0)))
        return std::nullopt;
    QStringEncoder encoder(CodePage);
    QStringDecoder decoder(CodePage);
    QByteArray bytes = encoder.encode(text);
    // Decoding again also catches what the encoder drops without a word, such as a lone surrogate.
    if (encoder.hasError() || QString(decoder.decode(bytes)) != text)
        return std::nullopt;
    return bytes;
}

// A character as a message shows it: quoted when it prints, else by its code.
QString shown(QStringView character) {
    const char32_t code =
        character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1]) : char32_t(character[0].unicode());
    if (QChar::isPrint(code))
        return u"\"%1\""_s.arg(character);
    return u"U+%1"_s.arg(uint(code), 4, 16, QChar(u'0')).toUpper();
}

// The characters of the text that an item file cannot store, each once, in order of appearance.
QStringList unstorableCharacters(QStringView text) {
    QStringList found;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.sliced(i, pair ? 2 : 1);
        i += character.size();
        if (!storedForm(character) && !found.contains(shown(character)))
            found << shown(character);
    }
    return found;
}

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool isBlankOrLineEnd(char c) {
    return c == ' ' || c == '\t' || isLineEnd(c);
}

// The last line that is not blank: a text editor may add line ends, or blanks, after the record.
QByteArrayView recordLine(QByteArrayView bytes) {
    qsizetype last = bytes.size();
    while (last > 0 && isBlankOrLineEnd(bytes[last - 1]))
        --last;
    if (last == 0)
        return {};
    qsizetype start = last;
    while (start > 0 && !isLineEnd(bytes[start - 1]))
        --start;
    qsizetype end = last;
    while (end < bytes.size() && !isLineEnd(bytes[end]))
        ++end;
    return bytes.sliced(start, end - start);
}

// The values of the classic record, by their field.
const std::array<const ItemValue*, ClassicFieldCount>& classicFields() {
    static const std::array<const ItemValue*, ClassicFieldCount> fields = [] {
        std::array<const ItemValue*, ClassicFieldCount> byField{};
        for (const ItemValue& value : itemValues()) {
            if (value.isClassic())
                byField[value.classicField] = &value;
        }
        return byField;
    }();
    return fields;
}

QString notAnItemFile(const QString& reason) {
    return u"not an item file (%1)"_s.arg(reason);
}

QString separatorCount(qsizetype separators) {
    return u"%1 field separators where an item has %2"_s.arg(separators).arg(ClassicFieldCount);
}

// Why the strict check refuses the bytes, whose record is the line given; or nothing.
QString wholeRecordProblem(QByteArrayView bytes, QByteArrayView line) {
    if (bytes.contains('\0'))
        return u"it holds a NUL byte"_s;
    if (line.isEmpty())
        return u"it is empty"_s;
    if (!bytes.contains(Separator))
        return u"it holds no field separator"_s;
    if (const qsizetype separators = line.count(Separator); separators != ClassicFieldCount)
        return separatorCount(separators);
    if (!line.endsWith(Separator))
        return u"text after the last field separator"_s;
    return {};
}

QString checkBoxRefusals(const ItemRecord& record) {
    QStringList refusals;
    for (const ItemValue* field : classicFields()) {
        if (field->kind != ItemValueKind::Flag)
            continue;
        const QString& text = record[field->id];
        if (const int value = checkBoxValue(text); value < 0 || value > 2)
            refusals << u"\"%1\" reads \"%2\", and a check box holds only 0, 1 or 2"_s.arg(field->label, text);
    }
    return refusals.join(u"; ");
}

} // namespace

ItemBytesResult encodeItemRecord(const ItemRecord& record) {
    if (!QStringEncoder(CodePage).isValid())
        return {{}, MissingCodePage};

    QByteArray bytes;
    QStringList refusals;
    for (const ItemValue* field : classicFields()) {
        const QString& text = record[field->id];
        if (const std::optional<QByteArray> stored = storedForm(text))
            bytes += *stored + Separator;
        else
            refusals << u"%1: %2"_s.arg(field->label, unstorableCharacters(text).join(u' '));
    }
    if (!refusals.isEmpty())
        return {{}, u"an item file cannot store these characters: "_s + refusals.join(u"; ")};
    return {bytes + LineEnd, {}};
}

ItemRecordResult decodeItemRecord(QByteArrayView bytes, RecordCheck check) {
    QStringDecoder decoder(CodePage);
    if (!decoder.isValid())
        return {{}, MissingCodePage};

    const QByteArrayView line = recordLine(bytes);
    if (check == RecordCheck::Strict) {
        if (const QString problem = wholeRecordProblem(bytes, line); !problem.isEmpty())
            return {{}, notAnItemFile(problem)};
    }
    const qsizetype separators = line.count(Separator);
    if (separators > ClassicFieldCount)
        return {{}, notAnItemFile(separatorCount(separators))};

    ItemRecord record;
    qsizetype start = 0;
    for (qsizetype slot = 0; slot < separators; ++slot) {
        const qsizetype end = line.indexOf(Separator, start);
        record[classicFields()[slot]->id] = decoder.decode(line.sliced(start, end - start));
        start = end + 1;
    }
    if (const QString refusals = checkBoxRefusals(record); !refusals.isEmpty())
        return {{}, notAnItemFile(refusals)};
    return {record, {}};
}

} // namespace velmora
