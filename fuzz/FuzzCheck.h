#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken property is a finding: say which one, with the values involved, and stop so libFuzzer keeps the input.
#define FUZZ_CHECK(condition, details)                                                                                 \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property broken: %s\n%s\n", __FILE__, __LINE__, #condition,                   \
                         qUtf8Printable(QString(details)));                                                            \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Shows a text with its invisible characters, so a report can be read back.
inline QString shownText(const QString& text) {
    QString shown;
    for (const QChar c : text)
        shown += c.isPrint() && c.unicode() < 0x7F ? QString(c)
                                                   : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    return u'"' + shown + u'"';
}
