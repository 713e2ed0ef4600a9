#include "store/PercentForm.h"

#include <QStringDecoder>

namespace velmora {

namespace {

bool isPrintableAscii(char32_t c) {
    return c >= 0x21 && c <= 0x7E;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<QByteArray> percentForm(QStringView text) {
    if (!text.isValidUtf16())
        return std::nullopt;
    constexpr char Hex[] = "0123456789ABCDEF";
    QByteArray form;
    for (const char byte : text.toUtf8()) {
        const auto code = static_cast<unsigned char>(byte);
        if (isPrintableAscii(code) && byte != '%')
            form += byte;
        else
            form.append('%').append(Hex[code >> 4]).append(Hex[code & 0xF]);
    }
    return form;
}

std::optional<QString> fromPercentForm(QByteArrayView form) {
    QByteArray utf8;
    utf8.reserve(form.size());
    for (qsizetype i = 0; i < form.size(); ++i) {
        if (!isPrintableAscii(static_cast<unsigned char>(form[i])))
            return std::nullopt;
        if (form[i] != '%') {
            utf8 += form[i];
            continue;
        }
        const int high = i + 1 < form.size() ? hexDigit(form[i + 1]) : -1;
        const int low = i + 2 < form.size() ? hexDigit(form[i + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        utf8 += char(high * 16 + low);
        i += 2;
    }
    // Broken UTF-8 would come back with U+FFFD in it, a text nobody wrote; a leading U+FEFF is the text's own.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(utf8);
    if (decoder.hasError() || text.toUtf8() != utf8)
        return std::nullopt;
    return text;
}

std::optional<QString> fromPercentForm(QStringView form) {
    for (const QChar c : form) {
        if (!isPrintableAscii(c.unicode()))
            return std::nullopt;
    }
    return fromPercentForm(QByteArrayView(form.toLatin1()));
}

} // namespace velmora
