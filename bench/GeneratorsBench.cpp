// The generators on the largest item the main window allows, and the money rule on typical input.
#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "generate/ShopPage.h"
#include "model/MoneyText.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

QString text(qsizetype length, char fill) {
    return QString(length, QLatin1Char(fill));
}

OptionSet fullDropDown(char fill) {
    OptionSet set{1, text(60, fill), OptionSetKind::DropDown, {}};
    for (QString& value : set.Values)
        value = text(30, fill);
    return set;
}

CartItem largestItem() {
    CartItem item;
    item.ItemName = text(127, 'n');
    item.ItemID = text(127, 'i');
    item.Price = text(127, '1');
    item.Shipping1 = text(127, '2');
    item.Shipping2 = text(127, '3');
    item.ShippingAddress = 1;
    item.Note = 1;
    item.NoteTitle = text(127, 't');
    item.Option1 = fullDropDown('a');
    item.Option2 = fullDropDown('b');
    return item;
}

MerchantSettings largestSettings() {
    return {text(127, 'm'), text(200, 'l'), text(200, 's'), text(200, 'c'), text(200, 'b'), QStringLiteral("EUR")};
}

void BM_BuildButtonForm(benchmark::State& state) {
    const CartItem item = largestItem();
    const MerchantSettings settings = largestSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildButtonForm(item, settings));
}
BENCHMARK(BM_BuildButtonForm);

// The same form with its money typed the German way, which has to be read rather than copied.
void BM_BuildButtonFormGermanPrices(benchmark::State& state) {
    CartItem item = largestItem();
    item.Price = QStringLiteral("1.234,56");
    item.Shipping1 = QStringLiteral("4,90");
    item.Shipping2 = QStringLiteral("1,5");
    const MerchantSettings settings = largestSettings();
    const QLocale locale(QLocale::German, QLocale::Germany);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildButtonForm(item, settings, locale));
}
BENCHMARK(BM_BuildButtonFormGermanPrices);

void BM_BuildCartLink(benchmark::State& state) {
    CartItem item = largestItem();
    item.Option1.Active = 0; // the window offers a link only without option sets
    const MerchantSettings settings = largestSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCartLink(item, settings));
}
BENCHMARK(BM_BuildCartLink);

// A catalogue of a thousand items, each as large as the window allows.
void BM_BuildCataloguePage(benchmark::State& state) {
    const QList<CartItem> items(1000, largestItem());
    const MerchantSettings settings = largestSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCataloguePage(items, settings));
}
BENCHMARK(BM_BuildCataloguePage)->Unit(benchmark::kMillisecond);

void BM_NormalizeMoneyText(benchmark::State& state) {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QString typed = QStringLiteral(" 1,234.5678 ");
    for (auto _ : state)
        benchmark::DoNotOptimize(NormalizeMoneyText(typed, locale));
}
BENCHMARK(BM_NormalizeMoneyText);

} // namespace

BENCHMARK_MAIN();
