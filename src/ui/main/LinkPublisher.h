#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class Form1;
class QAction;
class QPushButton;

namespace velmora {

class BuiltControls;
class OutputPublisher;
class PaymentLinkClient;
class StatusLine;
struct ClientCredentials;
struct MerchantSettings;
struct PaymentLink;

// The Make menu's payment-link commands: publishing the item in the window as a payment link, and the QR code and
// the button of the link it has. PayPal is asked on the event loop, one request at a time: while it answers, the
// commands are withheld and cmdCancelPublish, in the status bar, ends the request.
class LinkPublisher : public QObject {
    Q_OBJECT
public:
    LinkPublisher(const BuiltControls& built, Form1& window, const MerchantSettings& settings,
                  OutputPublisher& publisher, StatusLine& line);
    ~LinkPublisher() override;

private:
    void publish();
    void showQrCode();
    void writeButton();
    // Finds the item's link by its ID among the account's, then hands over its address.
    void withItemLink(std::function<void(const QString& address)> use);
    // Reads the secret of the client ID the sandbox switch selects, then starts the client, or says why not.
    void startClient(const QString& doing, std::function<void(PaymentLinkClient&)> run);
    void finish(const QString& error, bool publishing = false);
    void cancel();
    void tell(const QString& problem, const QString& name);

    Form1& m_window;
    const MerchantSettings& m_settings;
    OutputPublisher& m_publisher;
    StatusLine& m_line;
    QList<QAction*> m_commands;
    QPushButton* m_cancel;
    // Kept while its credentials stay the same, so that its token serves every command until it expires.
    std::unique_ptr<PaymentLinkClient> m_client;
    QStringList m_clientFor; // the API base, client ID and secret it was made with
    bool m_busy = false;
    bool m_cancelled = false;
};

} // namespace velmora
