// A typed value through the store and its file: whatever text a settings line can hold, saved under whatever
// spelling of a key, reads back unchanged after a restart, and booleans and check-box states read as their
// conversions say (a text that converts to neither reads as its key's misread text, or its default). A text no line
// holds is refused by name and never reaches the file. Under a key of the percent form, any text reads back.
#include "FuzzCheck.h"
#include "StoreKeys.h"

#include "store/SettingValues.h"
#include "store/SettingsStore.h"
#include "support/ExtensionValues.h"

#include <cstdint>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

// Names compare without regard to case, so any spelling of them must reach the same value.
QString spelledAs(QLatin1StringView name, std::uint8_t pattern) {
    QString spelled = name;
    for (qsizetype i = 0; i < spelled.size(); ++i) {
        if (pattern & (1u << (i % 8)))
            spelled[i] = spelled[i].isUpper() ? spelled[i].toLower() : spelled[i].toUpper();
    }
    return spelled;
}

void checkTypedReads(const SettingsStore& store, const SettingKey& key, const QString& text, const QString& details) {
    const StoredValue value = readValue(store, key);
    const QString misread = key.misreadText.isEmpty() ? key.defaultText : key.misreadText;
    switch (key.kind) {
    case ValueKind::Text:
        break;
    case ValueKind::Boolean:
        FUZZ_CHECK(std::get<bool>(value) == booleanFromText(text).value_or(*booleanFromText(misread)), details);
        break;
    case ValueKind::CheckBox: {
        const int state = std::get<int>(value);
        FUZZ_CHECK(state >= 0 && state <= 2, details);
        FUZZ_CHECK(state == checkBoxFromText(text).value_or(*checkBoxFromText(misread)), details);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<SettingKey> keys = allSettingKeys();
    if (size < 2)
        return 0;
    const SettingKey& key = keys[data[0] % keys.size()];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const QString details = u"key %1/%2, text %3"_s.arg(key.section, key.name, shownText(text));

    const QString path = scratchIniPath();
    {
        SettingsStore store(path);
        store.saveSetting(spelledAs(key.section, data[1]), spelledAs(key.name, data[1] >> 3), text);
        FUZZ_CHECK(readText(store, key) == text, details);
        checkTypedReads(store, key, text, details);
        const bool fits = fitsOnASettingsLine(text);
        FUZZ_CHECK(store.commit() == fits, details + u"\n"_s + store.problem());
        FUZZ_CHECK(fits || store.problem().contains(key.name, Qt::CaseInsensitive),
                   details + u"\n"_s + store.problem());
    }
    const SettingsStore restarted(path);
    const QString stored = fitsOnASettingsLine(text) ? text : QString(key.defaultText);
    FUZZ_CHECK(restarted.problem().isEmpty(), details + u"\n"_s + restarted.problem());
    FUZZ_CHECK(readText(restarted, key) == stored,
               details + u"\nread back as "_s + shownText(readText(restarted, key)));
    checkTypedReads(restarted, key, stored, details);

    // A value beyond the classic ones is kept in the percent form, which holds any text on one line.
    const SettingKey extensionKey = windowStateKey(extension::itemValues()[extension::Note]);
    {
        SettingsStore store(path);
        writeValue(store, extensionKey, text);
        FUZZ_CHECK(store.commit(), details + u"\n"_s + store.problem());
    }
    const StoredValue extensionValue = readValue(SettingsStore(path), extensionKey);
    FUZZ_CHECK(std::get<QString>(extensionValue) == text,
               details + u"\nread back as "_s + shownText(std::get<QString>(extensionValue)));
    return 0;
}
