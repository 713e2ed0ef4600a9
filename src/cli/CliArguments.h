#pragma once

#include "model/MerchantSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace velmora {

enum class CliCommand { Form, Link };

// What the command line asks for. With help or version set, or with an error, nothing else is meaningful.
struct CliArguments {
    bool help = false;
    bool version = false;
    QString error;
    CliCommand command = CliCommand::Form;
    QStringList files;
    // The merchant settings given on the command line.
    QList<std::pair<QString MerchantSettings::*, QString>> overrides;

    MerchantSettings overriding(MerchantSettings settings) const;
};

// The arguments as the program received them, its own name first.
CliArguments parseCliArguments(const QStringList& arguments);

QString cliHelpText();

} // namespace velmora
