#include "generate/HtmlWriter.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr qsizetype LongestEntity = 6;

// Branch-free so the compiler can vectorise it: most values hold no entity and are copied whole.
bool needsEntities(QStringView text) {
    char16_t found = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        found |= char16_t((u == u'&') | (u == u'<') | (u == u'>') | (u == u'"'));
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

} // namespace

void HtmlWriter::text(QStringView text) {
    if (!needsEntities(text))
        return markup(text);
    reserveFor(LongestEntity * text.size());
    for (const QChar c : text) {
        const QStringView entity = entityFor(c);
        if (entity.isEmpty())
            *m_end++ = c;
        else
            m_end = std::copy(entity.begin(), entity.end(), m_end);
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
