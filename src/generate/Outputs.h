#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QLatin1StringView>
#include <QList>
#include <QLocale>

#include <span>

namespace velmora {

// Everything Velmora makes, once: the window's Make menu and buttons, and velmora-cli's verbs, its help and its
// refusals, come from this table.
enum class OutputId {
    Form,
    Link,
    ViewCartForm,
    ViewCartLink,
    Preview,
    Page,
    Publish,
    Unpublish,
    Links,
    LinkQrCode,
    LinkButton
};

// Who makes an output: Velmora itself from the item, or PayPal's payment-links service, which velmora-cli asks.
enum class MadeBy { Velmora, PaymentLinks };

// What an output is made of besides the merchant settings.
enum class OutputTakes {
    Settings, // nothing else: the View Cart button, say
    EachItem, // one item; velmora-cli makes it for each item file, one line each
    AllItems, // every item at once: one page of them all
};

// What an output is asked to be made from.
struct OutputRequest {
    QList<CartItem> items; // as many as the output takes
    MerchantSettings settings;
    QLocale locale; // the one the items' money texts were typed in
    QString title;  // a page's; empty: the page's own
};

struct Output {
    OutputId id;
    OutputTakes takes;
    QLatin1StringView verb; // velmora-cli's; empty: the window alone makes it
    QLatin1StringView what; // how a message names one: "a link"
    QLatin1StringView help; // what velmora-cli --help says it prints
    // The window's command for it in the Make menu (empty: none), with its caption and keys, and its button.
    QLatin1StringView menuCommand;
    QLatin1StringView caption;
    QLatin1StringView shortcut; // as QKeySequence reads it
    QLatin1StringView button;
    int menuGroup;       // the Make menu draws a line between groups
    bool opensInBrowser; // the window shows it as a page in the browser rather than in its code box
    // Why it is not made for the item, or empty; none means it is made for every item. The window does not offer it
    // while there is a reason.
    QString (*refusal)(const CartItem& item);
    // What is wrong with the item for it, each naming the field; none or empty: nothing is. The window says so and
    // makes nothing.
    QStringList (*problems)(const CartItem& item, const MerchantSettings& settings, const QLocale& locale);
    QString (*make)(const OutputRequest& request); // none for what the payment-links service makes
    MadeBy madeBy;
};

std::span<const Output> outputs();
const Output& output(OutputId id);
// The output velmora-cli makes for the verb, or none.
const Output* outputForVerb(QStringView verb);

// Why the output is not made for the item; empty when it is.
QString refusalFor(const Output& output, const CartItem& item);
// What is wrong with the item, typed in the locale, for the output; empty when nothing is.
QStringList problemsWith(const Output& output, const CartItem& item, const MerchantSettings& settings,
                         const QLocale& locale);

} // namespace velmora
