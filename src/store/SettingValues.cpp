#include "store/SettingValues.h"

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
    // The words people write into settings files by hand, besides the ones the program writes.
    for (const QLatin1StringView word : {"True"_L1, "Yes"_L1, "On"_L1}) {
        if (trimmed.compare(word, Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const QLatin1StringView word : {"False"_L1, "No"_L1, "Off"_L1}) {
        if (trimmed.compare(word, Qt::CaseInsensitive) == 0)
            return false;
    }
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

QString settingText(const StoredValue& value) {
    switch (kindOf(value)) {
    case ValueKind::Text:
        return std::get<QString>(value);
    case ValueKind::CheckBox:
        return checkBoxText(std::get<int>(value));
    case ValueKind::Boolean:
        return booleanText(std::get<bool>(value));
    }
    Q_UNREACHABLE();
}

QString readText(const SettingsStore& store, const SettingKey& key) {
    return store.getSetting(key.section, key.name, key.defaultText);
}

namespace {

std::optional<StoredValue> valueFromText(ValueKind kind, const QString& text) {
    switch (kind) {
    case ValueKind::Text:
        return text;
    case ValueKind::CheckBox:
        return checkBoxFromText(text);
    case ValueKind::Boolean:
        return booleanFromText(text);
    }
    Q_UNREACHABLE();
}

} // namespace

StoredValue readValue(const SettingsStore& store, const SettingKey& key) {
    const QLatin1StringView misread = key.misreadText.isEmpty() ? key.defaultText : key.misreadText;
    return valueFromText(key.kind, readText(store, key)).value_or(*valueFromText(key.kind, misread));
}

bool isMisread(const SettingsStore& store, const SettingKey& key) {
    return !valueFromText(key.kind, readText(store, key));
}

void writeValue(SettingsStore& store, const SettingKey& key, const StoredValue& value) {
    store.saveSetting(key.section, key.name, settingText(value));
}

} // namespace velmora
