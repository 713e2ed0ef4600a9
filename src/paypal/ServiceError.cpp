#include "paypal/ServiceError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

// An answer's text is shown as it came, but one line of it, short enough to read, and with nothing a terminal
// would take as a command.
QString shown(const QJsonValue& value) {
    constexpr qsizetype Longest = 300;
    QString text = value.toString().simplified();
    text.replace(QChar(0x1b), u' ');
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format; });
    return text.size() > Longest ? text.first(Longest) + u'…' : text;
}

QStringList detailTexts(const QJsonArray& details) {
    QStringList texts;
    for (const QJsonValue& value : details) {
        const QJsonObject detail = value.toObject();
        QStringList parts;
        for (const QStringView key : {u"field", u"issue", u"description"}) {
            if (const QString part = shown(detail.value(key)); !part.isEmpty())
                parts << part;
        }
        if (!parts.isEmpty())
            texts << parts.join(u": ");
    }
    return texts;
}

} // namespace

QString serviceErrorText(int status, const QByteArray& body) {
    const QJsonObject error = QJsonDocument::fromJson(body).object();
    QStringList parts;
    // The API's errors carry a name and a message, the token's (OAuth's) an error and its description.
    for (const QStringView key : {u"name", u"error", u"message", u"error_description"}) {
        if (const QString part = shown(error.value(key)); !part.isEmpty())
            parts << part;
    }
    parts << detailTexts(error.value(u"details").toArray());
    QString answered = u"HTTP %1"_s.arg(status);
    if (const QString debugId = shown(error.value(u"debug_id")); !debugId.isEmpty())
        answered += u", debug_id "_s + debugId;
    QString text = parts.isEmpty() ? u"PayPal answered "_s + answered : parts.join(u"; ") + u" ("_s + answered + u')';
    if (status == 403)
        text += u"; \"Payment Links & Buttons\" must be enabled for the app's credentials (PayPal Developer "
                u"Dashboard, Apps & Credentials)"_s;
    return text;
}

} // namespace velmora
