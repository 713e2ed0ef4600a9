#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace velmora {

// The characters of an item file's record: Windows-1252, the code page of item files everywhere, so that they move
// between systems whatever the local one. Taken once from the system's own converter into tables: converting is
// then a lookup a character, where the converter took longer for one record than all the rest of a save.
class RecordCharacters {
public:
    // Nothing when the system cannot convert Windows-1252.
    static const RecordCharacters* get();

    QString decode(QByteArrayView bytes) const;
    // Nothing when the text holds a character that the record could not give back as it is: one that no byte
    // stands for (alone, and both ways), the separator U+00A5, a line break, or a NUL (which would make the file
    // one that scripts refuse to read).
    std::optional<QByteArray> encode(QStringView text) const;

private:
    RecordCharacters() = default;

    std::array<char16_t, 256> m_characters{}; // by byte
    // By character: most of them are below U+0100, looked up directly; the few others (the euro sign, typographic
    // quotes...) by hash.
    std::array<std::int16_t, 256> m_latinBytes{};
    QHash<char16_t, char> m_otherBytes;
};

} // namespace velmora
