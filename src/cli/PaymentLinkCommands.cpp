#include "cli/PaymentLinkCommands.h"

#include "cli/CliArguments.h"
#include "cli/VelmoraCli.h"
#include "generate/QrCode.h"
#include "generate/ShopPage.h"
#include "model/ItemRecord.h"
#include "paypal/Keyring.h"
#include "paypal/PaymentLinkBody.h"
#include "paypal/PaymentLinkClient.h"
#include "store/ItemFile.h"
#include "store/NativeFileName.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTextStream>

#include <memory>
#include <unistd.h>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

struct ItemFiles {
    QStringList files;
    QList<CartItem> items;
    QStringList errors;
};

ItemFiles readItems(const QStringList& files) {
    ItemFiles read;
    for (const QString& file : files) {
        const ItemRecordResult record = readItemFile(file, RecordCheck::Strict);
        if (!record.ok()) {
            read.errors << record.error;
            continue;
        }
        read.files << file;
        read.items << cartItemFromRecord(record.record);
    }
    return read;
}

int refuse(QTextStream& err, const QStringList& errors) {
    for (const QString& error : errors)
        err << CliPrefix << error << '\n';
    err << Qt::flush;
    return CliExit::Refused;
}

// Runs the event loop until the operation started calls the function it is given (by reference: the operation's
// callbacks keep referring to it).
template <typename Start> void waitFor(Start start) {
    QEventLoop loop;
    bool done = false;
    const auto finished = [&] {
        done = true;
        loop.quit();
    };
    start(finished);
    if (!done)
        loop.exec();
}

struct Connection {
    std::unique_ptr<PaymentLinkClient> client;
    QString error;
};

// The client ID given or stored for the site the sandbox switch selects; its secret from the environment, where a
// script provides it, else from the keyring.
Connection connectToService(const CliArguments& arguments, const MerchantSettings& settings) {
    const ApiBase base = paymentLinkApiBase(settings.UseSandbox);
    if (!base.ok())
        return {nullptr, base.error};
    const QString clientId = arguments.clientId.isEmpty() ? clientIdFor(settings) : arguments.clientId;
    if (clientId.isEmpty())
        return {nullptr, u"No client ID for the %1 site: give --client-id ID, or save one in Velmora's options."_s.arg(
                             settings.UseSandbox ? u"sandbox"_s : u"live"_s)};
    QString secret = qEnvironmentVariable("VELMORA_CLIENT_SECRET");
    if (secret.isEmpty()) {
        SecretLookup lookup;
        QObject context;
        waitFor([&](const auto& finished) {
            readClientSecret(clientId, &context, [&](const SecretLookup& found) {
                lookup = found;
                finished();
            });
        });
        if (lookup.state != SecretState::Found)
            return {nullptr,
                    u"No client secret for the client ID \"%1\": %2; set VELMORA_CLIENT_SECRET, or save the secret "
                    u"in Velmora's options."_s.arg(
                        clientId, lookup.state == SecretState::Missing ? u"the keyring holds none"_s : lookup.problem)};
        secret = lookup.secret;
    }
    return {std::make_unique<PaymentLinkClient>(base.url, ClientCredentials{clientId, secret}), {}};
}

// "Publishing 2 of 5..." on the terminal, rewritten in place; nothing where standard error is a file or a pipe.
class Progress {
public:
    Progress(QTextStream& err, qsizetype total) : m_err(err), m_total(total), m_shown(isatty(STDERR_FILENO)) {}
    void show(qsizetype done) {
        if (m_shown && done < m_total)
            m_err << u"\rPublishing %1 of %2..."_s.arg(done + 1).arg(m_total) << Qt::flush;
    }
    void clear() {
        if (m_shown)
            m_err << "\r\033[K" << Qt::flush;
    }

private:
    QTextStream& m_err;
    qsizetype m_total;
    bool m_shown;
};

QString writeQrCode(const QString& dir, const QString& itemFile, const QString& link) {
    const QString path = QDir(dir).filePath(QFileInfo(itemFile).completeBaseName() + u".svg"_s);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(BuildQrCodeSvg(link).toUtf8()) < 0 || !file.commit())
        return u"Couldn't write the QR code \"%1\": %2."_s.arg(shownFileName(path), file.errorString());
    return {};
}

int publish(const CliArguments& arguments, const MerchantSettings& settings, QTextStream& out, QTextStream& err) {
    ItemFiles read = readItems(arguments.files);
    QList<QJsonObject> bodies;
    for (qsizetype i = 0; i < read.items.size(); ++i) {
        const PaymentLinkBody body = buildPaymentLinkBody(read.items[i], settings, arguments.locale);
        if (!body.ok())
            read.errors << u"Couldn't publish \"%1\": %2."_s.arg(shownFileName(read.files[i]), body.refusal);
        bodies << body.body;
    }
    if (!arguments.qrDir.isEmpty() && !QFileInfo(arguments.qrDir).isDir())
        read.errors << u"The QR code folder \"%1\" does not exist."_s.arg(shownFileName(arguments.qrDir));
    if (!read.errors.isEmpty())
        return refuse(err, read.errors);
    if (arguments.dryRun) {
        for (const QJsonObject& body : std::as_const(bodies))
            out << QJsonDocument(body).toJson(QJsonDocument::Compact) << '\n';
        out << Qt::flush;
        return CliExit::Done;
    }
    const Connection connection = connectToService(arguments, settings);
    if (!connection.client)
        return refuse(err, {connection.error});

    bool failed = false;
    qsizetype printed = 0;
    Progress progress(err, bodies.size());
    progress.show(0);
    waitFor([&](const auto& finished) {
        connection.client->publish(
            bodies,
            [&](const PublishResult& result) {
                progress.clear();
                const QString& file = read.files[result.index];
                QString problem =
                    result.error.isEmpty() ? QString() : u"\"%1\": %2"_s.arg(shownFileName(file), result.error);
                if (problem.isEmpty() && !arguments.qrDir.isEmpty())
                    problem = writeQrCode(arguments.qrDir, file, result.link.address);
                out << (result.error.isEmpty() ? result.link.address : QString()) << '\n' << Qt::flush;
                if (!problem.isEmpty()) {
                    failed = true;
                    err << CliPrefix << problem << '\n' << Qt::flush;
                }
                progress.show(++printed);
            },
            [&](const QString& error) {
                progress.clear();
                if (!error.isEmpty()) {
                    failed = true;
                    err << CliPrefix << error << '\n' << Qt::flush;
                }
                // One line for each file still, so that a script's lines stay beside its files.
                for (; printed < bodies.size(); ++printed)
                    out << '\n';
                out << Qt::flush;
                finished();
            });
    });
    return failed ? CliExit::Refused : CliExit::Done;
}

int unpublishById(PaymentLinkClient& client, const QString& id, QTextStream& out, QTextStream& err) {
    QString problem;
    waitFor([&](const auto& finished) {
        client.deleteLink(id, [&](const QString& error) {
            problem = error;
            finished();
        });
    });
    if (!problem.isEmpty())
        return refuse(err, {problem});
    out << id << '\n' << Qt::flush;
    return CliExit::Done;
}

int unpublish(const CliArguments& arguments, const MerchantSettings& settings, QTextStream& out, QTextStream& err) {
    const ItemFiles read = readItems(arguments.files);
    if (!read.errors.isEmpty())
        return refuse(err, read.errors);
    const Connection connection = connectToService(arguments, settings);
    if (!connection.client)
        return refuse(err, {connection.error});
    if (!arguments.linkId.isEmpty())
        return unpublishById(*connection.client, arguments.linkId, out, err);

    // An item without an ID has no link to be found by; it keeps its empty line.
    QStringList itemIds;
    QList<qsizetype> fileOf;
    for (qsizetype i = 0; i < read.items.size(); ++i) {
        if (read.items[i].ItemID.isEmpty()) {
            err << CliPrefix
                << u"\"%1\" has no item ID, so it has no payment link to delete."_s.arg(shownFileName(read.files[i]))
                << '\n';
            continue;
        }
        itemIds << read.items[i].ItemID;
        fileOf << i;
    }
    bool failed = false;
    qsizetype printed = 0;
    const auto printUpTo = [&](qsizetype file) {
        for (; printed < file; ++printed)
            out << '\n';
    };
    waitFor([&](const auto& finished) {
        connection.client->unpublish(
            itemIds,
            [&](const UnpublishResult& result) {
                const qsizetype file = fileOf[result.index];
                printUpTo(file);
                out << result.removedId << '\n' << Qt::flush;
                ++printed;
                if (!result.error.isEmpty()) {
                    failed = true;
                    err << CliPrefix << u"\"%1\": %2"_s.arg(shownFileName(read.files[file]), result.error) << '\n'
                        << Qt::flush;
                }
            },
            [&](const QString& error) {
                if (!error.isEmpty()) {
                    failed = true;
                    err << CliPrefix << error << '\n' << Qt::flush;
                }
                printUpTo(read.files.size());
                out << Qt::flush;
                finished();
            });
    });
    return failed ? CliExit::Refused : CliExit::Done;
}

LinkListing listAll(PaymentLinkClient& client) {
    LinkListing listing;
    waitFor([&](const auto& finished) {
        client.listLinks([&](const LinkListing& found) {
            listing = found;
            finished();
        });
    });
    return listing;
}

// A tab or a line break in a name typed in PayPal's dashboard would split its line.
QString field(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return text;
}

// Every link of the account the arguments choose; the error says why there are none to give.
LinkListing accountLinks(const CliArguments& arguments, const MerchantSettings& settings) {
    const Connection connection = connectToService(arguments, settings);
    if (!connection.client)
        return {.links = {}, .error = connection.error};
    return listAll(*connection.client);
}

int listLinks(const CliArguments& arguments, const MerchantSettings& settings, QTextStream& out, QTextStream& err) {
    const LinkListing listing = accountLinks(arguments, settings);
    if (!listing.error.isEmpty())
        return refuse(err, {listing.error});
    for (const PaymentLink& link : listing.links)
        out << field(link.id) << '\t' << field(link.productId) << '\t' << field(link.name) << '\t'
            << field(link.address) << '\n';
    out << Qt::flush;
    return CliExit::Done;
}

int pageOfLinks(const CliArguments& arguments, const MerchantSettings& settings, QTextStream& out, QTextStream& err) {
    ItemFiles read = readItems(arguments.files);
    for (qsizetype i = 0; i < read.items.size(); ++i) {
        QString refusal = paymentLinkKindRefusal(read.items[i]);
        if (refusal.isEmpty() && read.items[i].ItemID.isEmpty())
            refusal = u"it has no item ID, by which its payment link is found"_s;
        if (!refusal.isEmpty())
            read.errors << u"Couldn't make a page for \"%1\": %2."_s.arg(shownFileName(read.files[i]), refusal);
    }
    if (!read.errors.isEmpty())
        return refuse(err, read.errors);
    const LinkListing listing = accountLinks(arguments, settings);
    if (!listing.error.isEmpty())
        return refuse(err, {listing.error});

    QStringList links;
    for (qsizetype i = 0; i < read.items.size(); ++i) {
        const QList<PaymentLink> found = linksForItem(listing.links, read.items[i].ItemID);
        if (found.size() == 1) {
            links << found.front().address;
            continue;
        }
        read.errors << (found.isEmpty() ? u"Couldn't make a page for \"%1\": no payment link has its item ID \"%2\"; "
                                          u"publish it first."_s.arg(shownFileName(read.files[i]), read.items[i].ItemID)
                                        : u"Couldn't make a page for \"%1\": %2 payment links have its item ID "
                                          u"\"%3\" (%4); remove all but one."_s.arg(shownFileName(read.files[i]))
                                              .arg(found.size())
                                              .arg(read.items[i].ItemID, linkIds(found)));
    }
    if (!read.errors.isEmpty())
        return refuse(err, read.errors);
    out << BuildPaymentLinkPage(read.items, links, settings, arguments.title, arguments.locale) << Qt::flush;
    return CliExit::Done;
}

} // namespace

int runPaymentLinkCommand(const CliArguments& arguments, const MerchantSettings& settings, QTextStream& out,
                          QTextStream& err) {
    switch (arguments.output->id) {
    case OutputId::Publish:
        return publish(arguments, settings, out, err);
    case OutputId::Unpublish:
        return unpublish(arguments, settings, out, err);
    case OutputId::Links:
        return listLinks(arguments, settings, out, err);
    default:
        return pageOfLinks(arguments, settings, out, err);
    }
}

} // namespace velmora
