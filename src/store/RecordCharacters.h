#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>
#include <cstdint>

namespace velmora {

// The characters of an item file's record: Windows-1252, the code page of item files everywhere, so that they move
// between systems whatever the local one. Taken once from the system's own converter into tables, so that
// converting is a lookup per character: a converter made per field, or even one kept, took many times longer.
class RecordCharacters {
public:
    // Nothing when the system cannot convert Windows-1252.
    static const RecordCharacters* get();

    QString decode(QByteArrayView bytes) const;
    // Appends the text's bytes; false, leaving the bytes as they were, when the text holds a character that the
    // record could not give back as it is: one that no byte stands for (alone, and both ways), the separator
    // U+00A5, a line break, or a NUL (which would make the file one that scripts refuse to read).
    bool encodeInto(QStringView text, QByteArray& bytes) const;

private:
    RecordCharacters() = default;

    std::array<char16_t, 256> m_characters{}; // by byte
    // By character: most of them are below U+0100, looked up directly; the few others (the euro sign, typographic
    // quotes...) by hash.
    std::array<std::int16_t, 256> m_latinBytes{};
    QHash<char16_t, std::int16_t> m_otherBytes;
};

} // namespace velmora
