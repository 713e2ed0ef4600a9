#include "store/TextForms.h"

#include "store/SettingKeys.h"
#include "store/SettingsStore.h"

#include <QLocale>
#include <cmath>

namespace velmora {

using namespace Qt::Literals::StringLiterals;

QString booleanText(bool value) {
    return value ? u"True"_s : u"False"_s;
}

std::optional<bool> booleanFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare("True"_L1, Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare("False"_L1, Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = QLocale::c().toDouble(trimmed, &isNumber);
    if (!isNumber || !std::isfinite(number))
        return std::nullopt;
    return number != 0;
}

QString checkBoxText(int state) {
    return QString::number(state);
}

std::optional<int> checkBoxFromText(const QString& text) {
    bool isNumber = false;
    const int state = text.trimmed().toInt(&isNumber);
    if (!isNumber || state < 0 || state > 2)
        return std::nullopt;
    return state;
}

QString readText(const SettingsStore& store, const SettingKey& key) {
    return store.getSetting(key.section, key.name, key.defaultText);
}

bool readBoolean(const SettingsStore& store, const SettingKey& key) {
    return booleanFromText(readText(store, key)).value_or(*booleanFromText(key.defaultText));
}

int readCheckBox(const SettingsStore& store, const SettingKey& key) {
    return checkBoxFromText(readText(store, key)).value_or(*checkBoxFromText(key.defaultText));
}

void writeText(SettingsStore& store, const SettingKey& key, const QString& text) {
    store.saveSetting(key.section, key.name, text);
}

void writeBoolean(SettingsStore& store, const SettingKey& key, bool value) {
    writeText(store, key, booleanText(value));
}

void writeCheckBox(SettingsStore& store, const SettingKey& key, int state) {
    writeText(store, key, checkBoxText(state));
}

} // namespace velmora
