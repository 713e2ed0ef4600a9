#include "store/MerchantStore.h"

#include "store/SettingKeys.h"
#include "store/SettingsStore.h"
#include "store/TextForms.h"

#include <array>

namespace velmora {

namespace {

// The fields in the order of merchantKeys().
constexpr std::array fields = {
    &MerchantSettings::eMail,
    &MerchantSettings::StoreLogo,
    &MerchantSettings::PurchaseSuccessURL,
    &MerchantSettings::PurchaseCancelURL,
    &MerchantSettings::ButtonImageURL,
};
static_assert(fields.size() == merchantKeyCount);

} // namespace

MerchantSettings loadMerchantSettings(const SettingsStore& store) {
    MerchantSettings settings;
    const auto keys = merchantKeys();
    for (std::size_t i = 0; i < fields.size(); ++i)
        settings.*fields[i] = readText(store, keys[i]);
    return settings;
}

bool saveMerchantSettings(SettingsStore& store, const MerchantSettings& settings) {
    const auto keys = merchantKeys();
    for (std::size_t i = 0; i < fields.size(); ++i)
        writeText(store, keys[i], settings.*fields[i]);
    return store.commit();
}

bool hasBeenRun(const SettingsStore& store) {
    return readBoolean(store, hasBeenRunKey());
}

bool recordFirstRun(SettingsStore& store) {
    writeBoolean(store, hasBeenRunKey(), true);
    return store.commit();
}

} // namespace velmora
