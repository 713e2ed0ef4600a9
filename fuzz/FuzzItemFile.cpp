// The item-file reader on any bytes: it either refuses them with a reason or hands back a record that the
// window can take and that saving writes back unchanged. What the strict check lets a script read, the window
// reads alike, and whatever saving writes passes the strict check.
#include "FuzzCheck.h"

#include "store/ItemRecordCodec.h"
#include "store/RecordValues.h"

#include <QStringList>

#include <cstdint>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

QString shownRecord(const ItemRecord& record) {
    QStringList fields;
    for (const QString& field : record)
        fields << shownText(field);
    return fields.join(u' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ItemRecordResult opened = decodeItemRecord(bytes, RecordCheck::Lenient);
    const ItemRecordResult strict = decodeItemRecord(bytes, RecordCheck::Strict);
    if (strict.ok())
        FUZZ_CHECK(opened.ok() && opened.record == strict.record, shownText(QString::fromLatin1(bytes)));
    if (!opened.ok()) {
        FUZZ_CHECK(!opened.error.isEmpty(), shownText(QString::fromLatin1(bytes)));
        return 0;
    }

    const ItemRecord& record = opened.record;
    for (int i = 0; i < ItemValueId::Count; ++i) {
        if (storedKind(itemValue(i).kind) == ValueKind::CheckBox) {
            const int value = checkBoxValue(record[i]);
            FUZZ_CHECK(value >= 0 && value <= 2, shownRecord(record));
        }
    }
    const CartItem item = cartItemFromRecord(record);
    FUZZ_CHECK(item.ItemName == record[ItemValueId::ItemName] && item.NoteTitle == record[ItemValueId::NoteTitle],
               shownRecord(record));

    // What was opened and is saved again must open as the same record; refusing to save it is allowed.
    const ItemBytesResult saved = encodeItemRecord(record);
    if (!saved.ok())
        return 0;
    const ItemRecordResult reopened = decodeItemRecord(saved.bytes, RecordCheck::Strict);
    FUZZ_CHECK(reopened.ok(), reopened.error);
    FUZZ_CHECK(reopened.record == record, shownRecord(record) + u"\nreopened as\n"_s + shownRecord(reopened.record));
    return 0;
}
