#include "store/ItemRecordCodec.h"

#include "store/PercentForm.h"
#include "store/RecordCharacters.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

constexpr char Separator = '\xA5';
constexpr auto LineEnd = "\r\n";

const QString MissingCodePage = u"this system cannot convert Windows-1252 text"_s;

bool isStoredInTheRecord(QStringView text) {
    QByteArray bytes;
    return RecordCharacters::get()->encodeInto(text, bytes);
}

bool isStoredOnALine(QStringView text) {
    return percentForm(text).has_value();
}

// A character as a message shows it: quoted when it prints, else by its code.
QString shown(QStringView character) {
    const char32_t code =
        character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1]) : char32_t(character[0].unicode());
    if (QChar::isPrint(code))
        return u"\"%1\""_s.arg(character);
    return u"U+%1"_s.arg(uint(code), 4, 16, QChar(u'0')).toUpper();
}

// The characters of the text that its place in an item file cannot store, each once, in order of appearance.
QStringList unstorableCharacters(QStringView text, bool (*stores)(QStringView)) {
    QStringList found;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.sliced(i, pair ? 2 : 1);
        i += character.size();
        if (!stores(character) && !found.contains(shown(character)))
            found << shown(character);
    }
    return found;
}

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isBlankLine(QByteArrayView line) {
    return std::all_of(line.begin(), line.end(), isBlank);
}

// The record, the last line that is not blank (a text editor may add line ends, or blanks, after it), and the
// lines before it.
struct RecordSplit {
    QByteArrayView record;
    QByteArrayView before;
};

RecordSplit splitAtRecord(QByteArrayView bytes) {
    qsizetype last = bytes.size();
    while (last > 0 && (isBlank(bytes[last - 1]) || isLineEnd(bytes[last - 1])))
        --last;
    if (last == 0)
        return {{}, bytes};
    qsizetype start = 0;
    for (const char lineEnd : {'\n', '\r'}) {
        if (const void* found = ::memrchr(bytes.data(), lineEnd, std::size_t(last)))
            start = std::max<qsizetype>(start, static_cast<const char*>(found) - bytes.data() + 1);
    }
    qsizetype end = last;
    while (end < bytes.size() && !isLineEnd(bytes[end]))
        ++end;
    return {bytes.sliced(start, end - start), bytes.first(start)};
}

// The values of the classic record, by their field.
using ClassicFields = std::array<const ItemValue*, ClassicFieldCount>;

ClassicFields classicFields(std::span<const ItemValue> values) {
    ClassicFields byField{};
    for (const ItemValue& value : values) {
        if (value.isClassic())
            byField[value.classicField] = &value;
    }
    return byField;
}

QString notAnItemFile(const QString& reason) {
    return u"not an item file (%1)"_s.arg(reason);
}

QString separatorCount(qsizetype separators) {
    return u"%1 field separators where an item has %2"_s.arg(separators).arg(ClassicFieldCount);
}

qsizetype separatorsIn(QByteArrayView line) {
    return std::count(line.begin(), line.end(), Separator);
}

// Why the strict check refuses the bytes, whose record is the line given; or nothing.
QString wholeRecordProblem(QByteArrayView bytes, QByteArrayView line) {
    if (bytes.contains('\0'))
        return u"it holds a NUL byte"_s;
    if (line.isEmpty())
        return u"it is empty"_s;
    if (!bytes.contains(Separator))
        return u"it holds no field separator"_s;
    if (const qsizetype separators = separatorsIn(line); separators != ClassicFieldCount)
        return separatorCount(separators);
    if (!line.endsWith(Separator))
        return u"text after the last field separator"_s;
    return {};
}

// A line as a message quotes it: printable ASCII as it stands, any other byte by its code (a terminal must not
// take it for a command), and no more of it than a glance takes in.
QString quotedLine(QByteArrayView line) {
    constexpr qsizetype Shown = 60;
    QString quoted;
    for (const char byte : line.first(std::min(line.size(), Shown))) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x20 && code <= 0x7E)
            quoted += QLatin1Char(byte);
        else
            quoted += u"\\x"_s + QString::number(code, 16).toUpper().rightJustified(2, u'0');
    }
    return u'"' + quoted + (line.size() > Shown ? u"...\""_s : u"\""_s);
}

// What the lines before the record hold.
struct ValueLines {
    QList<std::pair<int, QString>> known; // by the value's id
    QList<QByteArray> optional;
    QString unknownKey; // the first key that must not be passed over
    QString damage;     // the first damage found
};

QByteArrayView keyOf(const ItemValue& value) {
    return {value.extensionKey.data(), value.extensionKey.size()};
}

const ItemValue* valueOfKey(std::span<const ItemValue> values, QByteArrayView key) {
    for (const ItemValue& value : values) {
        if (!value.isClassic() && keyOf(value) == key)
            return &value;
    }
    return nullptr;
}

// Reads one line that is not blank into what the lines hold, the line numbered as in the file.
void readValueLine(QByteArrayView line, int number, std::span<const ItemValue> values, QHash<QByteArray, int>& keyLines,
                   ValueLines& read) {
    const auto damaged = [&](const QString& why) {
        if (read.damage.isEmpty())
            read.damage = why;
    };
    const qsizetype equals = line.indexOf('=');
    const QByteArrayView key = equals > 0 ? line.sliced(1, equals - 1) : QByteArrayView();
    if (!line.startsWith('#') || !isExtensionKey(std::string_view(key.data(), std::size_t(key.size())))) {
        damaged(u"line %1, %2, is neither a value line nor blank"_s.arg(number).arg(quotedLine(line)));
        return;
    }
    const ItemValue* known = valueOfKey(values, key);
    if (!known && !key.startsWith("x.") && read.unknownKey.isEmpty())
        read.unknownKey = QString::fromLatin1(key);
    const std::optional<QString> text = fromPercentForm(line.sliced(equals + 1));
    if (!text)
        damaged(u"line %1, %2, holds a value that is not percent-encoded UTF-8"_s.arg(number).arg(quotedLine(line)));
    if (const int earlier = keyLines.value(key.toByteArray()); earlier > 0)
        damaged(u"\"%1\" is given twice, on lines %2 and %3"_s.arg(QString::fromLatin1(key)).arg(earlier).arg(number));
    keyLines.insert(key.toByteArray(), number);
    if (known && text)
        read.known.append({known->id, *text});
    else if (!known)
        read.optional.append(line.toByteArray());
}

ValueLines readValueLines(QByteArrayView before, std::span<const ItemValue> values) {
    ValueLines read;
    QHash<QByteArray, int> keyLines;
    int number = 0;
    for (qsizetype start = 0; start < before.size();) {
        qsizetype end = start;
        while (end < before.size() && !isLineEnd(before[end]))
            ++end;
        const QByteArrayView line = before.sliced(start, end - start);
        ++number;
        start = end + (before.sliced(end).startsWith("\r\n") ? 2 : 1);
        if (!isBlankLine(line))
            readValueLine(line, number, values, keyLines, read);
    }
    return read;
}

QString checkBoxRefusals(const ItemRecord& record, std::span<const ItemValue> values) {
    QStringList refusals;
    for (const ItemValue& value : values) {
        if (value.kind != ItemValueKind::Flag)
            continue;
        const QString& text = record[value.id];
        if (const int state = checkBoxValue(text); state < 0 || state > 2)
            refusals << u"\"%1\" reads \"%2\", and a check box holds only 0, 1 or 2"_s.arg(value.label, text);
    }
    return refusals.join(u"; ");
}

// The choices whose text is none of those offered (a newer version's, or a slip in an editor), each named with
// what it takes; the lenient reader puts each back to its default.
QStringList unofferedChoices(ItemRecord& record, std::span<const ItemValue> values, RecordCheck check) {
    QStringList found;
    for (const ItemValue& value : values) {
        QString& text = record[value.id];
        if (value.kind != ItemValueKind::Choice || value.offers(text))
            continue;
        QStringList offered;
        for (const QLatin1StringView choice : value.choices)
            offered << u'"' + choice + u'"';
        found << u"\"%1\" reads \"%2\", where it takes %3"_s.arg(value.extensionKey, text, offered.join(u", "));
        if (check == RecordCheck::Lenient)
            text = value.defaultText;
    }
    return found;
}

} // namespace

ItemBytesResult encodeItemRecord(const ItemRecord& record, const QList<QByteArray>& optionalLines,
                                 std::span<const ItemValue> values) {
    Q_ASSERT(record.size() == qsizetype(values.size()));
    const RecordCharacters* characters = RecordCharacters::get();
    if (!characters)
        return {{}, MissingCodePage};

    QByteArray lines;
    for (const QByteArray& line : optionalLines)
        lines += line + LineEnd;
    QStringList refusals;
    for (const ItemValue& value : values) {
        const QString& text = record[value.id];
        if (value.isClassic() || text == value.defaultText)
            continue;
        if (const std::optional<QByteArray> form = percentForm(text))
            lines += '#' + keyOf(value).toByteArray() + '=' + *form + LineEnd;
        else
            refusals << u"%1: %2"_s.arg(value.label, unstorableCharacters(text, isStoredOnALine).join(u' '));
    }
    QByteArray line;
    for (const ItemValue* field : classicFields(values)) {
        const QString& text = record[field->id];
        if (characters->encodeInto(text, line))
            line += Separator;
        else
            refusals << u"%1: %2"_s.arg(field->label, unstorableCharacters(text, isStoredInTheRecord).join(u' '));
    }
    if (!refusals.isEmpty())
        return {{}, u"an item file cannot store these characters: "_s + refusals.join(u"; ")};
    return {lines + line + LineEnd, {}};
}

ItemRecordResult decodeItemRecord(QByteArrayView bytes, RecordCheck check, std::span<const ItemValue> values) {
    const RecordCharacters* characters = RecordCharacters::get();
    if (!characters)
        return {.error = MissingCodePage};

    const auto [line, before] = splitAtRecord(bytes);
    if (check == RecordCheck::Strict) {
        if (const QString problem = wholeRecordProblem(bytes, line); !problem.isEmpty())
            return {.error = notAnItemFile(problem)};
    }
    const qsizetype separators = separatorsIn(line);
    if (separators > ClassicFieldCount)
        return {.error = notAnItemFile(separatorCount(separators))};

    ItemRecordResult read{.record = ItemRecord(qsizetype(values.size()))};
    const ClassicFields fields = classicFields(values);
    qsizetype start = 0;
    for (qsizetype slot = 0; slot < separators; ++slot) {
        const qsizetype end = line.indexOf(Separator, start);
        read.record[fields[slot]->id] = characters->decode(line.sliced(start, end - start));
        start = end + 1;
    }
    for (const ItemValue& value : values) {
        if (!value.isClassic())
            read.record[value.id] = value.defaultText;
    }
    // Bytes without a single field are no item of any version, and what comes before their last line no one's
    // values: they open as an empty item, as they always did.
    if (separators == 0)
        return read;

    const ValueLines lines = readValueLines(before, values);
    if (!lines.unknownKey.isEmpty())
        return {.error = u"a newer Velmora wrote it, with a value this version does not know: \"%1\""_s.arg(
                    lines.unknownKey)};
    if (!lines.damage.isEmpty() && check == RecordCheck::Strict)
        return {.error = u"the lines before its item record are damaged (%1)"_s.arg(lines.damage)};
    if (!lines.damage.isEmpty()) {
        read.damage = lines.damage;
    } else {
        for (const auto& [id, text] : lines.known)
            read.record[id] = text;
        read.optionalLines = lines.optional;
    }
    if (const QString refusals = checkBoxRefusals(read.record, values); !refusals.isEmpty())
        return {.error = notAnItemFile(refusals)};
    const QStringList unoffered = unofferedChoices(read.record, values, check);
    if (!unoffered.isEmpty() && check == RecordCheck::Strict)
        return {.error = u"it is damaged: "_s + unoffered.join(u"; ")};
    read.unofferedChoices = unoffered.join(u"; ");
    return read;
}

} // namespace velmora
