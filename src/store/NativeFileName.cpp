#include "store/NativeFileName.h"

#include <QDir>

namespace velmora {

namespace {

constexpr char16_t KeptByteBase = 0xDC00;

// The length of the valid UTF-8 sequence that starts at the byte, or 0: an overlong form, a surrogate, a code
// point beyond U+10FFFF, a missing continuation byte.
qsizetype utf8SequenceAt(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return at + i < bytes.size() ? uchar(bytes[at + i]) : 0u; };
    const uint lead = byte(0);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    uint low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

// A kept byte is a low surrogate that no high surrogate comes before.
bool isKeptByte(QStringView name, qsizetype at) {
    const char16_t unit = name[at].unicode();
    return unit >= KeptByteBase + 0x80 && unit <= KeptByteBase + 0xFF && (at == 0 || !name[at - 1].isHighSurrogate());
}

} // namespace

QString fileNameFromNative(QByteArrayView bytes) {
    QString name;
    qsizetype textStart = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        if (const qsizetype length = utf8SequenceAt(bytes, at); length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.sliced(textStart, at - textStart));
        name += QChar(char16_t(KeptByteBase + uchar(bytes[at])));
        textStart = ++at;
    }
    return name + QString::fromUtf8(bytes.sliced(textStart));
}

QByteArray nativeFileName(QStringView name) {
    QByteArray bytes;
    qsizetype textStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (!isKeptByte(name, at))
            continue;
        bytes += name.sliced(textStart, at - textStart).toUtf8();
        bytes += char(name[at].unicode() - KeptByteBase);
        textStart = at + 1;
    }
    return bytes + name.sliced(textStart).toUtf8();
}

bool isTextFileName(QStringView name) {
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (isKeptByte(name, at))
            return false;
    }
    return true;
}

QString readableFileName(QStringView name) {
    QString readable = name.toString();
    for (qsizetype at = 0; at < readable.size(); ++at) {
        if (isKeptByte(name, at))
            readable[at] = QChar::ReplacementCharacter;
    }
    return readable;
}

QString shownFileName(QStringView name) {
    return QDir::toNativeSeparators(readableFileName(name));
}

QStringList argumentsFromNative(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromNative(argv[i]);
    return arguments;
}

} // namespace velmora
