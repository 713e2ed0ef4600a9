#include "store/SettingValues.h"

#include "store/PercentForm.h"
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

namespace {

// The text in the key's form. Broken UTF-16 has no percent form; it goes as it is, for the store to refuse by name.
QString inKeyForm(const SettingKey& key, const QString& text) {
    if (key.form == TextForm::AsItStands)
        return text;
    const std::optional<QByteArray> form = percentForm(text);
    return form ? QString::fromLatin1(*form) : text;
}

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

std::optional<StoredValue> storedValue(const SettingsStore& store, const SettingKey& key) {
    const QString text = readText(store, key);
    if (key.form == TextForm::AsItStands)
        return valueFromText(key.kind, text);
    const std::optional<QString> decoded = fromPercentForm(QStringView(text));
    return decoded ? valueFromText(key.kind, *decoded) : std::nullopt;
}

} // namespace

// An absent key hands out its default in the key's form: saved back unchanged, it then counts as unchanged.
QString readText(const SettingsStore& store, const SettingKey& key) {
    return store.getSetting(key.section, key.name, inKeyForm(key, key.defaultText));
}

StoredValue readValue(const SettingsStore& store, const SettingKey& key) {
    const QLatin1StringView misread = key.misreadText.isEmpty() ? key.defaultText : key.misreadText;
    return storedValue(store, key).value_or(*valueFromText(key.kind, misread));
}

bool isMisread(const SettingsStore& store, const SettingKey& key) {
    return !storedValue(store, key);
}

void writeValue(SettingsStore& store, const SettingKey& key, const StoredValue& value) {
    store.saveSetting(key.section, key.name, inKeyForm(key, settingText(value)));
}

} // namespace velmora
