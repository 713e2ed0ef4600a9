#include "store/RecordCharacters.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velmora {

const RecordCharacters* RecordCharacters::get() {
    static const std::optional<RecordCharacters> tables = []() -> std::optional<RecordCharacters> {
        QStringDecoder decoder("windows-1252");
        QStringEncoder encoder("windows-1252");
        if (!decoder.isValid() || !encoder.isValid())
            return std::nullopt;
        RecordCharacters tables;
        tables.m_latinBytes.fill(-1);
        for (int code = 0; code < 256; ++code) {
            const char byte = char(code);
            const QString character = decoder.decode(QByteArrayView(&byte, 1));
            tables.m_characters[code] = character.size() == 1 ? character[0].unicode() : u'\uFFFD';
            // Only what comes back as it went is a character the file can hold.
            if (character.size() != 1 || QByteArray(encoder.encode(character)) != QByteArrayView(&byte, 1))
                continue;
            if (const char16_t unicode = character[0].unicode(); unicode < 0x100)
                tables.m_latinBytes[unicode] = std::int16_t(code);
            else
                tables.m_otherBytes.insert(unicode, std::int16_t(code));
        }
        for (const char16_t unstorable : {u'\u00A5', u'\r', u'\n', u'\0'})
            tables.m_latinBytes[unstorable] = -1;
        return tables;
    }();
    return tables ? &*tables : nullptr;
}

QString RecordCharacters::decode(QByteArrayView bytes) const {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* character = text.data();
    for (const char byte : bytes)
        *character++ = QChar(m_characters[static_cast<unsigned char>(byte)]);
    return text;
}

bool RecordCharacters::encodeInto(QStringView text, QByteArray& bytes) const {
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* byte = bytes.data() + start;
    for (const QChar c : text) {
        const char16_t character = c.unicode();
        const std::int16_t code = character < 0x100 ? m_latinBytes[character] : m_otherBytes.value(character, -1);
        if (code < 0) {
            bytes.truncate(start);
            return false;
        }
        *byte++ = char(code);
    }
    return true;
}

} // namespace velmora
