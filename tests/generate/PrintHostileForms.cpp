// Prints, as JSON, the button form for each hostile value together with what a browser must read back
// from it; form_roundtrip.py checks the two with a real HTML parser.
#include "HostileValues.h"
#include "generate/ButtonForm.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace velmora;

namespace {

QJsonArray nonEmptyValues(const OptionSet& set) {
    QJsonArray values;
    for (const QString& value : set.Values)
        if (!value.isEmpty())
            values.append(value);
    return values;
}

QJsonObject expectedReading(const CartItem& item, const MerchantSettings& settings) {
    const QJsonObject hidden{
        {"business", settings.eMail},
        {"item_name", item.ItemName},
        {"item_number", item.ItemID},
        {"amount", item.Price},
        {"shipping", item.Shipping1},
        {"shipping2", item.Shipping2},
        {"image_url", settings.StoreLogo},
        {"return", settings.PurchaseSuccessURL},
        {"cancel_return", settings.PurchaseCancelURL},
        {"shopping_url", settings.ShoppingURL},
        {"cn", item.NoteTitle},
        {"on0", item.Option1.Name},
        {"on1", item.Option2.Name},
    };
    return {
        {"hidden", hidden},
        {"selects", QJsonObject{{"os0", nonEmptyValues(item.Option1)}, {"os1", nonEmptyValues(item.Option2)}}},
        {"labels", QJsonArray{item.Option1.Name, item.Option2.Name}},
        {"image", settings.ButtonImageURL},
    };
}

} // namespace

int main() {
    QJsonArray cases;
    for (const auto& [name, hostile] : HostileValues) {
        const CartItem item = hostileItem(hostile);
        const MerchantSettings settings = hostileSettings(hostile);
        cases.append(QJsonObject{
            {"case", name}, {"form", BuildButtonForm(item, settings)}, {"expected", expectedReading(item, settings)}});
    }
    const QByteArray json = QJsonDocument(cases).toJson();
    std::fwrite(json.constData(), 1, json.size(), stdout);
    return 0;
}
