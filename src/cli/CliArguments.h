#pragma once

#include "generate/Outputs.h"
#include "model/MerchantSettings.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace velmora {

// What the command line asks for. With help or version set, or with an error, nothing else is meaningful.
struct CliArguments {
    bool help = false;
    bool version = false;
    QString error;
    const Output* output = nullptr; // what to make
    QStringList files;
    // The merchant settings given on the command line.
    QList<std::pair<QString MerchantSettings::*, QString>> overrides;
    std::optional<bool> useSandbox;
    QString title;  // the page's; empty: the page writer's own
    QLocale locale; // the one the item files' prices were typed in
    // For the payment-links service: the REST app's client ID in place of the stored one, where to write each
    // link's QR code, whether to print the request bodies instead of sending them, the link --id names, and whether
    // the page's buttons go to the items' payment links.
    QString clientId;
    QString qrDir;
    bool dryRun = false;
    QString linkId;
    bool paymentLinks = false;

    MerchantSettings overriding(MerchantSettings settings) const;
};

// The arguments as the program received them, its own name first.
CliArguments parseCliArguments(const QStringList& arguments);

QString cliHelpText();

} // namespace velmora
