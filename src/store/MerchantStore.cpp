#include "store/MerchantStore.h"

#include "store/SettingKeys.h"
#include "store/SettingValues.h"
#include "store/SettingsStore.h"

namespace velmora {

MerchantSettings loadMerchantSettings(const SettingsStore& store) {
    MerchantSettings settings;
    for (const SettingKey& key : merchantKeys()) {
        if (const auto* flag = std::get_if<bool MerchantSettings::*>(&key.merchantField))
            settings.** flag = std::get<bool>(readValue(store, key));
        else
            settings.*std::get<QString MerchantSettings::*>(key.merchantField) = readText(store, key);
    }
    return settings;
}

bool saveMerchantSettings(SettingsStore& store, const MerchantSettings& settings) {
    for (const SettingKey& key : merchantKeys()) {
        if (const auto* flag = std::get_if<bool MerchantSettings::*>(&key.merchantField))
            writeValue(store, key, settings.**flag);
        else
            writeValue(store, key, settings.*std::get<QString MerchantSettings::*>(key.merchantField));
    }
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
