#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmora {

// File names as the system hands them over: bytes, which need not be UTF-8. A name is held as its UTF-8 text,
// except that each byte that is not part of valid UTF-8 is kept as the lone surrogate U+DC80 + byte (as other
// tools keep such names), so that the name turns back into the very same bytes.
QString fileNameFromNative(QByteArrayView bytes);
QByteArray nativeFileName(QStringView name);
// False when the name keeps a byte that is not UTF-8.
bool isTextFileName(QStringView name);
// The name for a person to read and for text to hold: each kept byte shown as U+FFFD.
QString readableFileName(QStringView name);
// The name as messages show it: readable, with the system's own separators.
QString shownFileName(QStringView name);

// The program's arguments, its own name first, each taken as a file name is.
QStringList argumentsFromNative(int argc, const char* const* argv);

} // namespace velmora
