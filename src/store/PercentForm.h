#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmora {

// Any text as one word of printable ASCII: its UTF-8 with every byte outside 0x21 to 0x7E, and "%" itself, written
// as "%XX" in uppercase hex. Item files and the settings store hold the values earlier versions had no room for
// this way, so a value may hold blanks and line breaks and still sit on one line. Nothing when the text is not
// valid UTF-16, which UTF-8 cannot carry.
std::optional<QByteArray> percentForm(QStringView text);

// The text back, lowercase hex digits read too; nothing when the form is malformed: a byte outside 0x21 to 0x7E,
// a "%" without two hex digits after it, or bytes that are no UTF-8.
std::optional<QString> fromPercentForm(QByteArrayView form);
std::optional<QString> fromPercentForm(QStringView form);

} // namespace velmora
