#include "paypal/PaymentLinkBody.h"

#include "generate/PaymentButton.h"
#include "generate/PaymentMoney.h"
#include "model/AdvancedVariables.h"
#include "model/OrderDetails.h"

#include <QJsonArray>
#include <QUrl>

#include <array>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

// The service's limits, in characters as its schema counts them: code points.
constexpr int NameLimit = 127;
constexpr int ProductIdLimit = 50;
constexpr int AmountLimit = 32;
constexpr int ShippingLimit = 20;
constexpr int NoteLabelLimit = 127;
constexpr int DimensionNameLimit = 64;
constexpr int ReturnUrlLimit = 1024;
// The quantity picker's largest choice when the item names none.
constexpr int DefaultMaxQuantity = 10;

qsizetype characters(QStringView text) {
    return text.toUcs4().size();
}

// "the item name is 130 characters long; a payment link takes at most 127 there (name)"
QString lengthRefusal(const QString& what, QStringView text, int most, QLatin1StringView field) {
    const qsizetype count = characters(text);
    if (count == 0)
        return u"%1 is empty; a payment link needs 1 to %2 characters there (%3)"_s.arg(what).arg(most).arg(field);
    if (count > most)
        return u"%1 is %2 characters long; a payment link takes at most %3 there (%4)"_s.arg(what)
            .arg(count)
            .arg(most)
            .arg(field);
    return {};
}

struct Amount {
    QString value;
    QString refusal;
};

bool isZero(QStringView amount) {
    return std::ranges::all_of(amount, [](QChar c) { return c == u'0' || c == u'.' || c == u'-'; });
}

// A charge as the payment page reads it. A price of nothing is refused: a link that charges nothing is a mistake
// waiting to be paid, where a shipping charge of nothing is free shipping.
Amount amountOf(const QString& typed, const QString& what, const PaymentMoney& money, bool isPrice, int most,
                QLatin1StringView field) {
    if (typed.isEmpty())
        return {{}, u"%1 is empty"_s.arg(what)};
    const QString amount = money.amount(typed);
    if (!isPaymentNotation(amount, money.withCents()))
        return {{}, u"%1 \"%2\" holds no number"_s.arg(what, typed)};
    if (isPrice && isZero(amount))
        return {{}, u"%1 is zero, and a payment link must charge something"_s.arg(what)};
    if (amount.startsWith(u'-'))
        return {{}, u"%1 is negative (%2)"_s.arg(what, amount)};
    if (amount.size() > most)
        return {{}, lengthRefusal(what, amount, most, field)};
    return {amount, {}};
}

// The option sets the form offers too: set 2 only while set 1 is in use, and neither without a kind.
QList<std::pair<int, const OptionSet*>> optionSetsInUse(const CartItem& item) {
    QList<std::pair<int, const OptionSet*>> sets;
    if (item.Option1.Active != 1)
        return sets;
    sets.append({1, &item.Option1});
    if (item.Option2.Active == 1)
        sets.append({2, &item.Option2});
    sets.removeIf([](const auto& set) { return !set.second->Kind; });
    return sets;
}

struct BuyerTexts {
    QJsonArray notes;
    QJsonArray dimensions;
    QString refusal;
};

// The note, or a text-box option set while the note is off, becomes the link's one text from the buyer; the
// drop-down sets become its variants, the first one primary. Where set 1's values set the price, each carries its
// own and the set is the primary one, as only a primary dimension's options may be priced.
BuyerTexts buyerTexts(const CartItem& item, const PaymentMoney& money) {
    struct Text {
        QString label, what, name;
    };
    QList<Text> texts;
    if (item.Note == 1)
        texts.append({item.NoteTitle, u"the note's title"_s, u"the note"_s});
    BuyerTexts made;
    for (const auto& [number, set] : optionSetsInUse(item)) {
        if (*set->Kind == OptionSetKind::TextBox) {
            texts.append({set->Name, u"option set %1's name"_s.arg(number), u"option set %1"_s.arg(number)});
            continue;
        }
        made.refusal = lengthRefusal(u"option set %1's name"_s.arg(number), set->Name, DimensionNameLimit,
                                     "variants.dimensions.name"_L1);
        if (!made.refusal.isEmpty())
            return made;
        const bool priced = number == 1 && optionsSetThePrice(item);
        QJsonArray options;
        for (std::size_t i = 0; i < set->Values.size(); ++i) {
            if (set->Values[i].isEmpty())
                continue;
            QJsonObject option{{u"label"_s, set->Values[i]}};
            if (priced) {
                const Amount price = amountOf(set->Prices[i], u"the price of \"%1\""_s.arg(set->Values[i]), money, true,
                                              AmountLimit, "variants.dimensions.options.unit_amount"_L1);
                if (!price.refusal.isEmpty()) {
                    made.refusal = price.refusal;
                    return made;
                }
                option.insert(u"unit_amount"_s, QJsonObject{{u"currency_code"_s, money.currencyCode().toString()},
                                                            {u"value"_s, price.value}});
            }
            options.append(option);
        }
        if (options.isEmpty()) {
            made.refusal = u"option set %1 offers no values; a payment link's option needs 1 to 10"_s.arg(number);
            return made;
        }
        made.dimensions.append(
            QJsonObject{{u"name"_s, set->Name}, {u"primary"_s, made.dimensions.isEmpty()}, {u"options"_s, options}});
    }
    if (texts.size() > 1) {
        made.refusal = u"a payment link holds one text from the buyer, and this item asks for two (%1 and %2); "
                       u"turn one of them off"_s.arg(texts[0].name, texts[1].name);
        return made;
    }
    if (!texts.isEmpty()) {
        made.refusal = lengthRefusal(texts[0].what, texts[0].label, NoteLabelLimit, "customer_notes.label"_L1);
        if (!made.refusal.isEmpty())
            return made;
        made.notes.append(QJsonObject{{u"label"_s, texts[0].label}, {u"required"_s, false}});
    }
    return made;
}

QString returnUrlRefusal(const QString& url) {
    if (const QString refusal = lengthRefusal(u"the success URL"_s, url, ReturnUrlLimit, "return_url"_L1);
        !refusal.isEmpty())
        return refusal;
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty() || (parsed.scheme() != u"https" && parsed.scheme() != u"http"))
        return u"the success URL \"%1\" is not a web address (http:// or https://), which a payment link's "
               u"return_url must be"_s.arg(url);
    return {};
}

PaymentLinkBody refused(QString reason) {
    return {{}, std::move(reason)};
}

// What a payment link has no field for. Silently leaving a charge out would sell the item for less than the form.
QString unsupportedRefusal(const CartItem& item) {
    if (!item.Handling.isEmpty())
        return u"it has a handling charge, and a payment link has no field for one"_s;
    if (!item.Weight.isEmpty())
        return u"it has a weight, and a payment link has no field for one"_s;
    if (item.Advanced.trimmed().isEmpty())
        return {};
    QStringList names;
    for (const AdvancedVariable& variable : readAdvancedVariables(item.Advanced).variables)
        names << variable.name;
    return names.isEmpty()
               ? u"it has advanced variables, and a payment link has no field for them"_s
               : u"it has advanced variables (%1), and a payment link has no field for them"_s.arg(names.join(u", "_s));
}

} // namespace

QString paymentLinkKindRefusal(const CartItem& item) {
    switch (item.Kind) {
    case ButtonKind::Donate:
        return u"it is a donation, and a payment link is a Buy Now page; make a Donate form for it instead"_s;
    case ButtonKind::Subscribe:
        return u"it is a subscription, and a payment link is a Buy Now page; make a Subscribe form for it instead"_s;
    case ButtonKind::Cart:
    case ButtonKind::BuyNow:
        break;
    }
    return {};
}

PaymentLinkBody buildPaymentLinkBody(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
    if (QString refusal = paymentLinkKindRefusal(item); !refusal.isEmpty())
        return refused(refusal);
    if (QString refusal = unsupportedRefusal(item); !refusal.isEmpty())
        return refused(refusal);
    if (const QStringList problems = orderDetailProblems(item, locale); !problems.isEmpty())
        return refused(problems.join(u"; "_s));
    if (item.ItemID.isEmpty())
        return refused(u"it has no item ID, and its payment link is found again by that ID"_s);
    if (QString refusal = lengthRefusal(u"the item ID"_s, item.ItemID, ProductIdLimit, "product_id"_L1);
        !refusal.isEmpty())
        return refused(refusal);
    if (QString refusal = lengthRefusal(u"the item name"_s, item.ItemName, NameLimit, "name"_L1); !refusal.isEmpty())
        return refused(refusal);
    const PaymentMoney money(settings, locale);
    if (money.currencyCode().isEmpty())
        return refused(
            settings.Currency.isEmpty()
                ? u"a payment link needs a currency, and none is chosen"_s
                : u"a payment link needs a currency, and \"%1\" is none PayPal takes"_s.arg(settings.Currency));

    QJsonObject line{{u"name"_s, item.ItemName},
                     {u"product_id"_s, item.ItemID},
                     {u"collect_shipping_address"_s, item.ShippingAddress != 0}};
    // Priced options carry the price; the service refuses an item price beside them.
    if (!optionsSetThePrice(item)) {
        const Amount price = amountOf(item.Price, u"the price"_s, money, true, AmountLimit, "unit_amount.value"_L1);
        if (!price.refusal.isEmpty())
            return refused(price.refusal);
        line.insert(u"unit_amount"_s,
                    QJsonObject{{u"currency_code"_s, money.currencyCode().toString()}, {u"value"_s, price.value}});
    }
    if (item.BuyerQuantity == 1)
        line.insert(u"adjustable_quantity"_s,
                    QJsonObject{{u"maximum"_s, maxQuantity(item.MaxQuantity).value_or(DefaultMaxQuantity)}});
    if (!item.TaxRate.isEmpty())
        line.insert(u"taxes"_s, QJsonArray{QJsonObject{{u"type"_s, u"PERCENTAGE"_s},
                                                       {u"value"_s, *taxRateText(item.TaxRate, locale)}}});

    // As in the form: the additional-unit charge only beside a first-unit one.
    if (!item.Shipping1.isEmpty()) {
        const Amount first =
            amountOf(item.Shipping1, u"the first-unit shipping"_s, money, false, ShippingLimit, "shipping.value"_L1);
        if (!first.refusal.isEmpty())
            return refused(first.refusal);
        QJsonObject shipping{{u"type"_s, u"FLAT"_s}, {u"value"_s, first.value}};
        if (!item.Shipping2.isEmpty()) {
            const Amount more = amountOf(item.Shipping2, u"the additional-unit shipping"_s, money, false, ShippingLimit,
                                         "shipping.additional_unit_value"_L1);
            if (!more.refusal.isEmpty())
                return refused(more.refusal);
            shipping.insert(u"additional_unit_value"_s, more.value);
        }
        line.insert(u"shipping"_s, QJsonArray{shipping});
    }

    const BuyerTexts texts = buyerTexts(item, money);
    if (!texts.refusal.isEmpty())
        return refused(texts.refusal);
    if (!texts.notes.isEmpty())
        line.insert(u"customer_notes"_s, texts.notes);
    if (!texts.dimensions.isEmpty())
        line.insert(u"variants"_s, QJsonObject{{u"dimensions"_s, texts.dimensions}});

    QJsonObject body{{u"integration_mode"_s, u"LINK"_s},
                     {u"type"_s, u"BUY_NOW"_s},
                     {u"reusable"_s, u"MULTIPLE"_s},
                     {u"line_items"_s, QJsonArray{line}}};
    if (!settings.PurchaseSuccessURL.isEmpty()) {
        if (QString refusal = returnUrlRefusal(settings.PurchaseSuccessURL); !refusal.isEmpty())
            return refused(refusal);
        body.insert(u"return_url"_s, settings.PurchaseSuccessURL);
    }
    return {body, {}};
}

namespace {

// "12.50" and "12.5" are one amount; the service may write back either.
QJsonValue canonicalAmount(const QJsonValue& value) {
    QString amount = value.toString();
    if (amount.contains(u'.')) {
        while (amount.endsWith(u'0'))
            amount.chop(1);
        if (amount.endsWith(u'.'))
            amount.chop(1);
    }
    return amount;
}

QJsonObject canonicalMoney(const QJsonObject& money) {
    return {{u"currency_code"_s, money.value(u"currency_code").toString().toUpper()},
            {u"value"_s, canonicalAmount(money.value(u"value"))}};
}

// Each entry of the array made into what it means to the buyer, an absent flag read as its default.
template <typename Canonical> QJsonArray canonicalArray(const QJsonValue& value, Canonical canonical) {
    QJsonArray entries;
    for (const QJsonValue& entry : value.toArray())
        entries.append(canonical(entry.toObject()));
    return entries;
}

QJsonObject canonicalShipping(const QJsonObject& shipping) {
    QJsonObject entry{{u"type"_s, shipping.value(u"type")}, {u"value"_s, canonicalAmount(shipping.value(u"value"))}};
    if (shipping.contains(u"additional_unit_value"))
        entry.insert(u"additional_unit_value"_s, canonicalAmount(shipping.value(u"additional_unit_value")));
    return entry;
}

QJsonObject canonicalTax(const QJsonObject& tax) {
    return {{u"type"_s, tax.value(u"type")}, {u"value"_s, canonicalAmount(tax.value(u"value"))}};
}

QJsonObject canonicalNote(const QJsonObject& note) {
    return {{u"label"_s, note.value(u"label")}, {u"required"_s, note.value(u"required").toBool(false)}};
}

QJsonObject canonicalOption(const QJsonObject& option) {
    QJsonObject entry{{u"label"_s, option.value(u"label")}};
    if (option.contains(u"unit_amount"))
        entry.insert(u"unit_amount"_s, canonicalMoney(option.value(u"unit_amount").toObject()));
    return entry;
}

QJsonObject canonicalDimension(const QJsonObject& dimension) {
    return {{u"name"_s, dimension.value(u"name")},
            {u"primary"_s, dimension.value(u"primary").toBool(false)},
            {u"options"_s, canonicalArray(dimension.value(u"options"), canonicalOption)}};
}

QJsonObject canonicalLine(const QJsonObject& line) {
    QJsonObject entry{
        {u"name"_s, line.value(u"name")},
        {u"product_id"_s, line.value(u"product_id")},
        {u"collect_shipping_address"_s, line.value(u"collect_shipping_address").toBool(false)},
        {u"shipping"_s, canonicalArray(line.value(u"shipping"), canonicalShipping)},
        {u"customer_notes"_s, canonicalArray(line.value(u"customer_notes"), canonicalNote)},
        {u"dimensions"_s, canonicalArray(line.value(u"variants").toObject().value(u"dimensions"), canonicalDimension)}};
    if (line.contains(u"unit_amount"))
        entry.insert(u"unit_amount"_s, canonicalMoney(line.value(u"unit_amount").toObject()));
    if (line.contains(u"adjustable_quantity"))
        entry.insert(u"adjustable_quantity"_s, line.value(u"adjustable_quantity").toObject().value(u"maximum"));
    entry.insert(u"taxes"_s, canonicalArray(line.value(u"taxes"), canonicalTax));
    return entry;
}

// The fields Velmora sets, and nothing else.
QJsonObject velmoraFields(const QJsonObject& resource) {
    return {{u"integration_mode"_s, resource.value(u"integration_mode")},
            {u"type"_s, resource.value(u"type")},
            {u"reusable"_s, resource.value(u"reusable").toString(u"MULTIPLE"_s)},
            {u"return_url"_s, resource.value(u"return_url").toString()},
            {u"line_items"_s, canonicalArray(resource.value(u"line_items"), canonicalLine)}};
}

} // namespace

bool linkHoldsBody(const QJsonObject& resource, const QJsonObject& body) {
    return velmoraFields(resource) == velmoraFields(body);
}

} // namespace velmora
