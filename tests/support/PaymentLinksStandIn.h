#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

// The stand-in for the payment-links API (tests/paypal/payment_links_service.py) on a loopback port of its own,
// with the faults and links its arguments give. Its credentials are "test-client" and "test-secret".
class PaymentLinksStandIn {
public:
    explicit PaymentLinksStandIn(const QStringList& arguments = {}) {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(VELMORA_SYSTEM_PYTHON3),
                        QStringList{QStringLiteral("-B"), QStringLiteral("-E"), QStringLiteral("-s"),
                                    QStringLiteral(VELMORA_PAYMENT_LINKS_STAND_IN)} +
                            arguments);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10'000)) {
        }
        m_port = m_process.readLine().trimmed().toInt();
    }
    ~PaymentLinksStandIn() {
        m_process.kill();
        m_process.waitForFinished();
    }

    bool isListening() const { return m_port > 0; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    // Ends it. Its report: "requests", each its operation and the fault it met ("create!lost"); "violations" of
    // what the API documents; and the "links" it holds.
    QJsonObject finish() {
        m_process.closeWriteChannel();
        m_process.waitForFinished(30'000);
        return QJsonDocument::fromJson(m_process.readAllStandardOutput()).object();
    }

    // Its arguments for holding these links (request bodies) at the start.
    static QStringList holding(const QList<QJsonObject>& bodies) {
        QJsonArray seeds;
        for (const QJsonObject& body : bodies)
            seeds << body;
        return {QStringLiteral("--seed"), QString::fromUtf8(QJsonDocument(seeds).toJson(QJsonDocument::Compact))};
    }

    static QStringList texts(const QJsonValue& array) {
        QStringList list;
        for (const QJsonValue& value : array.toArray())
            list << value.toString();
        return list;
    }

private:
    QProcess m_process;
    int m_port = 0;
};
