#include "generate/ItemProblems.h"

#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "generate/PaymentButton.h"
#include "model/AdvancedVariables.h"
#include "model/OrderDetails.h"
#include "model/Subscription.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <utility>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;

// Every field a form posts: values are escaped, so `name="` stands only in the markup.
void addFieldNames(const QString& form, QSet<QString>& names) {
    static const QRegularExpression field(uR"re( name="([^"]*)")re"_s);
    for (const QRegularExpressionMatch& match : field.globalMatch(form))
        names.insert(match.captured(1));
}

// Every parameter of a link, the cart's "add" in its path among them.
void addParameterNames(const QString& link, QSet<QString>& names) {
    static const QRegularExpression separators(u"[?&]"_s);
    for (const QStringView parameter : QStringView(link).split(separators)) {
        const QStringView name = parameter.first(std::max<qsizetype>(0, parameter.indexOf(u'=')));
        names.insert(name.sliced(name.lastIndexOf(u'/') + 1).toString());
    }
}

QStringList advancedProblems(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
    const AdvancedVariables advanced = readAdvancedVariables(item.Advanced);
    QStringList problems = advanced.problems;
    if (advanced.variables.isEmpty())
        return problems;
    CartItem plain = item;
    plain.Advanced.clear();
    QSet<QString> written{u"charset"_s}; // announced whenever a value needs it
    addFieldNames(BuildButtonForm(plain, settings, locale), written);
    if (!paymentButtonFor(item).linkPath.isEmpty())
        addParameterNames(BuildCartLink(plain, settings, locale), written);
    for (const AdvancedVariable& variable : advanced.variables) {
        if (written.contains(variable.name))
            problems << u"Advanced variables: %1 is written by Velmora itself for this item"_s.arg(variable.name);
    }
    return problems;
}

} // namespace

QStringList paymentProblems(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
    const PaymentButton& button = paymentButtonFor(item);
    QStringList problems;
    if (button.price == PriceField::RegularPayment)
        problems << subscriptionProblems(item, locale);
    if (button.sellsGoods)
        problems << orderDetailProblems(item, locale);
    return problems << advancedProblems(item, settings, locale);
}

QStringList valuesLeftOut(const CartItem& item) {
    const PaymentButton& button = paymentButtonFor(item);
    QStringList leftOut;
    if (!button.sellsGoods) {
        if (!item.Shipping1.isEmpty() || !item.Shipping2.isEmpty())
            leftOut << u"shipping charges"_s;
        if (std::any_of(item.Option1.Prices.begin(), item.Option1.Prices.end(),
                        [](const QString& price) { return !price.isEmpty(); }))
            leftOut << u"option prices"_s;
        const std::array<std::pair<const QString*, QString>, 3> charges{{{&item.TaxRate, u"the tax rate"_s},
                                                                         {&item.Handling, u"the handling charge"_s},
                                                                         {&item.Weight, u"the weight"_s}}};
        for (const auto& [value, name] : charges) {
            if (!value->isEmpty())
                leftOut << name;
        }
    }
    if (!button.carriesOptions && item.Option1.Active == 1)
        leftOut << u"option sets"_s;
    if (!button.asksQuantity && !button.addsToCart && item.BuyerQuantity == 1)
        leftOut << u"the buyer's choice of quantity"_s;
    if (!button.carriesNote && item.Note == 1)
        leftOut << u"the buyer's note"_s;
    return leftOut;
}

} // namespace velmora
