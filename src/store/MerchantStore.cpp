#include "store/MerchantStore.h"

#include "store/SettingKeys.h"
#include "store/SettingValues.h"
#include "store/SettingsStore.h"

namespace velmora {

MerchantSettings loadMerchantSettings(const SettingsStore& store) {
    MerchantSettings settings;
    for (const SettingKey& key : merchantKeys())
        setFieldValue(settings, key.merchantField, readValue(store, key));
    return settings;
}

bool saveMerchantSettings(SettingsStore& store, const MerchantSettings& settings) {
    for (const SettingKey& key : merchantKeys())
        writeValue(store, key, fieldValue(settings, key.merchantField));
    return store.commit();
}

bool hasBeenRun(const SettingsStore& store) {
    return std::get<bool>(readValue(store, hasBeenRunKey()));
}

bool recordFirstRun(SettingsStore& store) {
    writeValue(store, hasBeenRunKey(), true);
    return store.commit();
}

} // namespace velmora
