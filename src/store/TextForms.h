#pragma once

#include <QString>
#include <optional>

namespace velmora {

class SettingsStore;
struct SettingKey;

// The text forms of typed values, the same in both directions.
QString booleanText(bool value); // "True" / "False"
// "True"/"False" in any letter case, or a number (0 is false); anything else does not convert.
std::optional<bool> booleanFromText(const QString& text);
// Check-box states are stored as the numbers 0 (clear), 1 (set) and 2 (greyed).
QString checkBoxText(int state);
// 0, 1 or 2; anything else, other numbers included, does not convert.
std::optional<int> checkBoxFromText(const QString& text);

// Reading a key by its kind. A stored text that does not convert reads as the key's default.
QString readText(const SettingsStore& store, const SettingKey& key);
bool readBoolean(const SettingsStore& store, const SettingKey& key); // Boolean and OptionButton keys
int readCheckBox(const SettingsStore& store, const SettingKey& key);

void writeText(SettingsStore& store, const SettingKey& key, const QString& text);
void writeBoolean(SettingsStore& store, const SettingKey& key, bool value);
void writeCheckBox(SettingsStore& store, const SettingKey& key, int state);

} // namespace velmora
