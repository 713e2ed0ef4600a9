#include "generate/HtmlWriter.h"

#include <algorithm>

namespace velmora {
namespace {

// "&quot;" and "&#127;"
constexpr qsizetype LongestReplacement = 6;

// Bitwise rather than logical operators keep this free of branches, for the scan below.
bool isControl(char16_t u) {
    return ((u < 0x20) & (u != u'\t')) | (u == 0x7f);
}

// Branch-free so the compiler can vectorise it: most values hold nothing to replace and are copied whole.
bool needsReplacing(QStringView text) {
    char16_t found = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        found |= char16_t((u == u'&') | (u == u'<') | (u == u'>') | (u == u'"') | isControl(u));
    }
    return found != 0;
}

QStringView entityFor(QChar c) {
    switch (c.unicode()) {
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'"':
        return u"&quot;";
    default:
        return {};
    }
}

// Browsers read "&#10;" back as the line feed itself.
QChar* writeReference(char16_t code, QChar* out) {
    *out++ = u'&';
    *out++ = u'#';
    if (code >= 100)
        *out++ = QChar(u'0' + code / 100);
    if (code >= 10)
        *out++ = QChar(u'0' + code / 10 % 10);
    *out++ = QChar(u'0' + code % 10);
    *out++ = u';';
    return out;
}

} // namespace

void HtmlWriter::text(QStringView text) {
    if (!needsReplacing(text))
        return markup(text);
    reserveFor(LongestReplacement * text.size());
    for (const QChar c : text) {
        if (const QStringView entity = entityFor(c); !entity.isEmpty())
            m_end = std::copy(entity.begin(), entity.end(), m_end);
        else if (isControl(c.unicode()))
            m_end = writeReference(c.unicode(), m_end);
        else
            *m_end++ = c;
    }
}

QString HtmlWriter::take() {
    m_html.truncate(m_end - m_html.constData());
    m_end = m_limit = nullptr;
    return std::move(m_html);
}

void HtmlWriter::grow(qsizetype count) {
    const qsizetype used = m_end ? m_end - m_html.constData() : 0;
    m_html.resize(std::max(2 * m_html.size(), used + count));
    m_end = m_html.data() + used;
    m_limit = m_html.data() + m_html.size();
}

} // namespace velmora
