// The item-file reader on any bytes, over the item's values and two beyond the classic ones: it either refuses
// them with a reason or hands back a record that the window can take and that saving, with the optional lines it
// kept, writes back unchanged. What the strict check lets a script read, the window reads alike; whatever saving
// writes passes the strict check and is written again byte for byte, and its last line alone opens as the same
// classic record in a reader that knows only the 36 fields.
#include "FuzzCheck.h"

#include "store/ItemRecordCodec.h"
#include "support/ExtensionValues.h"

#include <QStringList>

#include <cstdint>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

QString shownRecord(const ItemRecord& record, const QList<QByteArray>& optionalLines = {}) {
    QStringList shown;
    for (const QByteArray& line : optionalLines)
        shown << shownText(QString::fromLatin1(line));
    for (const QString& text : record.texts())
        shown << shownText(text);
    return shown.join(u' ');
}

// The bytes of the last line, its line end included.
QByteArray lastLine(const QByteArray& bytes) {
    const qsizetype previousEnd = bytes.lastIndexOf("\r\n", bytes.size() - 3);
    return bytes.sliced(previousEnd < 0 ? 0 : previousEnd + 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const ItemValue> values = extension::itemValues();
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ItemRecordResult opened = decodeItemRecord(bytes, RecordCheck::Lenient, values);
    const ItemRecordResult strict = decodeItemRecord(bytes, RecordCheck::Strict, values);
    if (strict.ok())
        FUZZ_CHECK(opened.ok() && opened.damage.isEmpty() && opened.record == strict.record &&
                       opened.optionalLines == strict.optionalLines,
                   shownText(QString::fromLatin1(bytes)));
    if (!opened.ok()) {
        FUZZ_CHECK(!opened.error.isEmpty(), shownText(QString::fromLatin1(bytes)));
        return 0;
    }

    const ItemRecord& record = opened.record;
    for (const ItemValue& value : values) {
        if (value.kind == ItemValueKind::Flag) {
            const int state = checkBoxValue(record[value.id]);
            FUZZ_CHECK(state >= 0 && state <= 2, shownRecord(record));
        }
    }
    const CartItem item = cartItemFromRecord(record);
    FUZZ_CHECK(item.ItemName == record[ItemValueId::ItemName] && item.NoteTitle == record[ItemValueId::NoteTitle],
               shownRecord(record));

    // What was opened and is saved again must open as the same record; refusing to save it is allowed.
    const ItemBytesResult saved = encodeItemRecord(record, opened.optionalLines, values);
    if (!saved.ok())
        return 0;
    const ItemRecordResult reopened = decodeItemRecord(saved.bytes, RecordCheck::Strict, values);
    FUZZ_CHECK(reopened.ok(), reopened.error);
    FUZZ_CHECK(reopened.record == record && reopened.optionalLines == opened.optionalLines,
               shownRecord(record, opened.optionalLines) + u"\nreopened as\n"_s +
                   shownRecord(reopened.record, reopened.optionalLines));
    FUZZ_CHECK(encodeItemRecord(reopened.record, reopened.optionalLines, values).bytes == saved.bytes,
               shownRecord(record, opened.optionalLines));

    const ItemRecordResult classic = decodeItemRecord(lastLine(saved.bytes), RecordCheck::Strict);
    FUZZ_CHECK(classic.ok(), classic.error);
    FUZZ_CHECK(classic.record.texts() == record.texts().first(ItemValueId::Count), shownRecord(record));
    return 0;
}
