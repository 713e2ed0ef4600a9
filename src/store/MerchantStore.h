#pragma once

#include "model/MerchantSettings.h"

#include <QString>

namespace velmora {

class SettingsStore;

// The merchant keys, in order, with their defaults. Only reads: creates no file and no key.
MerchantSettings loadMerchantSettings(const SettingsStore& store);
// Writes the merchant keys, in order, and puts them on disk. False when they could not reach the disk
// (the store's problem() says why; the values are kept in memory).
bool saveMerchantSettings(SettingsStore& store, const MerchantSettings& settings);

// What to tell the user when the stored sandbox switch is neither on nor off, and so reads as on; empty while it
// reads as stored. Names the file and the text.
QString sandboxSwitchWarning(const SettingsStore& store);

// Whether the first-run prompt has been shown to this user ("HasBeenRun").
bool hasBeenRun(const SettingsStore& store);
// Records that the first-run prompt has been shown, and puts it on disk. False as for saveMerchantSettings.
bool recordFirstRun(SettingsStore& store);

} // namespace velmora
