#pragma once

#include <QString>

#include <algorithm>

namespace velmora {

// Builds HTML in a buffer it sizes itself: markup goes in as written, text with & < > " as entities, so a
// value can neither end an attribute nor open a tag, and with control characters but tab as numeric
// references, so a value cannot break the form's one line. A form is a few hundred small pieces, and going
// through QString::append for each of them cost more than the whole rest of the work.
class HtmlWriter {
public:
    explicit HtmlWriter(qsizetype expectedSize) { grow(expectedSize); }

    void markup(QStringView html) {
        reserveFor(html.size());
        m_end = std::copy(html.begin(), html.end(), m_end);
    }

    void markup(QLatin1StringView html) {
        reserveFor(html.size());
        for (const char c : html)
            *m_end++ = QLatin1Char(c);
    }

    void text(QStringView text);

    QString take();

private:
    void reserveFor(qsizetype count) {
        if (m_limit - m_end < count)
            grow(count);
    }

    void grow(qsizetype count);

    QString m_html;
    QChar* m_end = nullptr;
    QChar* m_limit = nullptr;
};

} // namespace velmora
