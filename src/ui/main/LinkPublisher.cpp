#include "ui/main/LinkPublisher.h"

#include "generate/Outputs.h"
#include "generate/PaymentLinkButton.h"
#include "paypal/PaymentLinkBody.h"
#include "paypal/PaymentLinkClient.h"
#include "ui/dialogs/ClientSecrets.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/frmQrCode.h"
#include "ui/kit/BuiltControls.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/FieldFocus.h"
#include "ui/kit/StatusLine.h"
#include "ui/main/Form1.h"
#include "ui/main/OutputPublisher.h"

#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

namespace velmora {

using namespace Qt::StringLiterals;

LinkPublisher::LinkPublisher(const BuiltControls& built, Form1& window, const MerchantSettings& settings,
                             OutputPublisher& publisher, StatusLine& line)
    : m_window(window), m_settings(settings), m_publisher(publisher), m_line(line),
      m_cancel(new QPushButton(u"Cancel"_s, &window)) {
    auto& menu = built.get<QMenu>(u"mnuMake"_s);
    menu.addSeparator();
    const std::pair<OutputId, void (LinkPublisher::*)()> handlers[] = {
        {OutputId::Publish, &LinkPublisher::publish},
        {OutputId::LinkQrCode, &LinkPublisher::showQrCode},
        {OutputId::LinkButton, &LinkPublisher::writeButton},
    };
    for (const auto& [id, handler] : handlers) {
        const Output& made = output(id);
        QAction* action = menu.addAction(made.caption);
        action->setObjectName(made.menuCommand);
        onCommand(*action, this, [this, handler] { (this->*handler)(); });
        m_commands << action;
    }
    m_cancel->setObjectName(u"cmdCancelPublish"_s);
    m_cancel->setToolTip(u"Stops asking PayPal"_s);
    m_cancel->hide();
    // No taller than the line, so that the window laid out around the bar keeps its client whole.
    m_cancel->setFlat(true);
    m_cancel->setMaximumHeight(line.sizeHint().height());
    window.statusBar()->addPermanentWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &LinkPublisher::cancel);
}

LinkPublisher::~LinkPublisher() = default;

void LinkPublisher::publish() {
    const CartItem item = m_window.currentItem();
    const PaymentLinkBody body = buildPaymentLinkBody(item, m_settings, moneyLocale());
    if (!body.ok())
        return tell(u"This item cannot be published as a payment link: %1."_s.arg(body.refusal),
                    u"PaymentLinkRefused"_s);
    startClient(u"Publishing the payment link…"_s, [this, body = body.body](PaymentLinkClient& client) {
        client.publish(
            {body},
            [this](const PublishResult& result) {
                if (result.error.isEmpty())
                    m_publisher.publish(result.link.address);
                else if (!m_cancelled)
                    tell(result.error, u"PaymentLinkProblem"_s);
            },
            [this](const QString& error) { finish(error, true); });
    });
}

void LinkPublisher::showQrCode() {
    withItemLink([this](const QString& address) {
        auto* dialog = new frmQrCode(address, &m_window);
        dialog->show();
    });
}

void LinkPublisher::writeButton() {
    withItemLink([this](const QString& address) { m_publisher.publish(BuildPaymentLinkButton(address)); });
}

// The link is only looked for, never made here: publishing is the merchant's choice, since it sends the item to
// PayPal and replaces what the link's page shows.
void LinkPublisher::withItemLink(std::function<void(const QString& address)> use) {
    const QString itemId = m_window.currentItem().ItemID;
    if (itemId.isEmpty())
        return tell(u"This item has no item ID, and its payment link is found by that ID."_s, u"PaymentLinkRefused"_s);
    startClient(u"Looking for the item's payment link…"_s, [this, itemId, use = std::move(use)](PaymentLinkClient& c) {
        c.listLinks([this, itemId, use](const LinkListing& listing) {
            const QList<PaymentLink> found = linksForItem(listing.links, itemId);
            finish(listing.error);
            if (!listing.error.isEmpty())
                return;
            if (found.isEmpty())
                return tell(u"No payment link has the item ID \"%1\" yet. Publish the item first (Make, Publish as "
                            u"Payment Link)."_s.arg(itemId),
                            u"PaymentLinkProblem"_s);
            if (found.size() > 1)
                return tell(u"%1 payment links have the item ID \"%2\" (%3), and Velmora cannot tell which is the "
                            u"item's. Remove all but one."_s.arg(found.size())
                                .arg(itemId, linkIds(found)),
                            u"PaymentLinkProblem"_s);
            use(found.front().address);
        });
    });
}

void LinkPublisher::startClient(const QString& doing, std::function<void(PaymentLinkClient&)> run) {
    const QString clientId = clientIdFor(m_settings);
    const QString which = m_settings.UseSandbox ? u"sandbox "_s : QString();
    if (clientId.isEmpty())
        return tell(
            u"Payment links are made with a PayPal REST app's %1client ID and secret: enter them in Options."_s.arg(
                which),
            u"PaymentLinkCredentials"_s);
    const ApiBase base = paymentLinkApiBase(m_settings.UseSandbox);
    if (!base.ok())
        return tell(base.error, u"PaymentLinkProblem"_s);
    for (QAction* command : m_commands)
        command->setEnabled(false);
    m_line.post(StatusLine::PaymentLink, doing);
    findClientSecret(clientId, this, [=, this, run = std::move(run)](const SecretLookup& found) {
        if (found.state != SecretState::Found) {
            finish({});
            return tell(
                found.state == SecretState::Missing
                    ? u"No secret is saved for the %1client ID \"%2\": enter it in Options."_s.arg(which, clientId)
                    : keyringProblemNotice(found.problem) + u" Enter the secret in Options."_s,
                u"PaymentLinkCredentials"_s);
        }
        m_cancelled = false;
        m_busy = true;
        const QStringList clientFor{base.url.toString(), clientId, found.secret};
        if (!m_client || m_clientFor != clientFor) {
            m_client = std::make_unique<PaymentLinkClient>(base.url, ClientCredentials{clientId, found.secret});
            m_clientFor = clientFor;
        }
        m_cancel->show();
        run(*m_client);
    });
}

void LinkPublisher::finish(const QString& error, bool publishing) {
    for (QAction* command : m_commands)
        command->setEnabled(true);
    m_cancel->hide();
    m_busy = false;
    if (m_cancelled && publishing)
        // A create PayPal received before the cancel may stand: publishing again finds it by the item's ID.
        m_line.post(StatusLine::PaymentLink, u"Cancelled. PayPal may have made the link already; publishing again "
                                             u"updates that one."_s);
    else if (m_cancelled)
        m_line.post(StatusLine::PaymentLink, u"Cancelled."_s);
    else
        m_line.drop(StatusLine::PaymentLink);
    if (!error.isEmpty() && !m_cancelled)
        tell(error, u"PaymentLinkProblem"_s);
}

void LinkPublisher::cancel() {
    if (!m_busy)
        return;
    m_cancelled = true;
    m_client->cancel();
}

void LinkPublisher::tell(const QString& problem, const QString& name) {
    showMessage({.text = problem, .icon = QMessageBox::Warning, .parent = &m_window, .name = name});
}

} // namespace velmora
