#include "store/MerchantStore.h"

#include "store/SettingKeys.h"
#include "store/SettingValues.h"
#include "store/SettingsStore.h"

#include <QDir>

#include <algorithm>

namespace velmora {

using namespace Qt::StringLiterals;

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

QString sandboxSwitchWarning(const SettingsStore& store) {
    const auto keys = merchantKeys();
    const SettingKey& key =
        *std::ranges::find(keys, MerchantField(&MerchantSettings::UseSandbox), &SettingKey::merchantField);
    if (!isMisread(store, key))
        return {};
    return u"The settings file %1 holds \"%2\" for %3, which is neither on nor off, so test payments in the sandbox "
           u"are used: no real money moves until the switch is set again."_s.arg(
               QDir::toNativeSeparators(store.fileName()), readText(store, key), key.name);
}

bool hasBeenRun(const SettingsStore& store) {
    return std::get<bool>(readValue(store, hasBeenRunKey()));
}

bool recordFirstRun(SettingsStore& store) {
    writeValue(store, hasBeenRunKey(), true);
    return store.commit();
}

} // namespace velmora
