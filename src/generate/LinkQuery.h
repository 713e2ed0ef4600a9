#pragma once

#include <QLatin1StringView>
#include <QString>

namespace velmora {

// A link to the payment service: its host and a fixed path, then parameters with their values percent-encoded as
// UTF-8.
class LinkQuery {
public:
    LinkQuery(QLatin1StringView host, QLatin1StringView path);

    void parameter(QStringView name, const QString& value);

    void parameterIfPresent(QStringView name, const QString& value) {
        if (!value.isEmpty())
            parameter(name, value);
    }

    void flag(QStringView name) {
        m_url += u'&';
        m_url += name;
        m_url += u"=1";
    }

    QString finish();

private:
    QString m_url;
    bool m_needsUtf8 = false;
};

} // namespace velmora
