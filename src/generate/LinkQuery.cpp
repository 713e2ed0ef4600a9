#include "generate/LinkQuery.h"

#include "generate/NonAscii.h"

#include <QUrl>

namespace velmora {
namespace {

// UTF-8, percent-encoded. Punctuation that cannot end or split a parameter stays readable; a raw blank, '&',
// '=', '+', '#' or '%' would break the link or forge a parameter, and a '?' would start the URL's query.
QByteArray percentEncoded(const QString& value) {
    return QUrl::toPercentEncoding(value, QByteArrayLiteral("!$'()*,/:@"));
}

} // namespace

LinkQuery::LinkQuery(QLatin1StringView host, QLatin1StringView path) {
    m_url = QStringLiteral("https://");
    m_url += host;
    m_url += path;
}

void LinkQuery::parameter(QStringView name, const QString& value) {
    m_url += u'&';
    m_url += name;
    m_url += u'=';
    m_needsUtf8 = m_needsUtf8 || hasNonAscii(value);
    m_url += QLatin1StringView(percentEncoded(value));
}

// Otherwise the payment service reads the decoded bytes in a legacy 8-bit encoding.
QString LinkQuery::finish() {
    if (m_needsUtf8)
        m_url += u"&charset=utf-8";
    return m_url;
}

} // namespace velmora
