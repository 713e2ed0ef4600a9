#pragma once

#include "store/StoredValue.h"

#include <QString>
#include <optional>

namespace velmora {

class SettingsStore;
struct SettingKey;

// The store's text forms of typed values, the same in both directions.
QString booleanText(bool value); // "True" / "False"
// "True"/"False", "Yes"/"No" or "On"/"Off" in any letter case, or a number (0 is false); anything else does not
// convert.
std::optional<bool> booleanFromText(const QString& text);
// Check-box states are stored as the numbers 0 (clear), 1 (set) and 2 (greyed).
QString checkBoxText(int state);
// 0, 1 or 2; anything else, other numbers included, does not convert.
std::optional<int> checkBoxFromText(const QString& text);
// A value in the text form of its kind.
QString settingText(const StoredValue& value);

// The key's text as stored, or its default's when it is absent, in the key's form.
QString readText(const SettingsStore& store, const SettingKey& key);
// The key's value as its kind says. A stored text that does not convert, or is not in the key's form, reads as
// the key's misread text, or its default.
StoredValue readValue(const SettingsStore& store, const SettingKey& key);
// Whether the key holds a text that does not convert to its kind; an absent key reads as its default and does.
bool isMisread(const SettingsStore& store, const SettingKey& key);
// Saves the value in its text form, in the key's form.
void writeValue(SettingsStore& store, const SettingKey& key, const StoredValue& value);

} // namespace velmora
