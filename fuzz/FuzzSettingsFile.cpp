// The store on a settings file of any bytes: every key reads as a value its control can hold, and saving a
// value either leaves the file exactly as it was (and says why) or keeps everything else the file held.
#include "FuzzCheck.h"
#include "StoreKeys.h"

#include "store/SettingsStore.h"
#include "store/TextForms.h"

#include <QFile>
#include <QSettings>

#include <cstdint>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything the file holds, as an independent reader sees it, leaving out the key about to be saved.
QVariantMap everythingBut(const QString& path, const QString& savedPath) {
    QSettings file(path, QSettings::IniFormat);
    QVariantMap values;
    for (const QString& name : file.allKeys()) {
        if (name.compare(savedPath, Qt::CaseInsensitive) != 0)
            values.insert(name, file.value(name));
    }
    return values;
}

void checkEveryKeyReads(const SettingsStore& store, const QByteArray& bytes) {
    static const std::vector<SettingKey> keys = allSettingKeys();
    for (const SettingKey& key : keys) {
        if (key.kind == SettingKind::CheckBox) {
            const int state = readCheckBox(store, key);
            FUZZ_CHECK(state >= 0 && state <= 2, QString::fromLatin1(bytes.toPercentEncoding()));
        } else if (key.kind != SettingKind::Text) {
            readBoolean(store, key);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString details = u"file (percent-encoded): "_s + QString::fromLatin1(bytes.toPercentEncoding());
    const QString path = scratchIniPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }
    const QString savedPath = u"Settings/HasBeenRun"_s;
    const QVariantMap before = everythingBut(path, savedPath);

    SettingsStore store(path);
    checkEveryKeyReads(store, bytes);
    const bool readable = store.problem().isEmpty();
    store.saveSetting(u"Settings"_s, u"HasBeenRun"_s, u"True"_s);
    const bool committed = store.commit();

    FUZZ_CHECK(committed == readable, details + u"\n"_s + store.problem());
    if (!committed) {
        FUZZ_CHECK(contentOf(path) == bytes, details);
        FUZZ_CHECK(!store.problem().isEmpty() && store.problem().contains(path), details);
        return 0;
    }
    FUZZ_CHECK(everythingBut(path, savedPath) == before,
               details + u"\nnow reads\n"_s + QString::fromUtf8(contentOf(path)));
    const SettingsStore restarted(path);
    FUZZ_CHECK(restarted.problem().isEmpty(), details + u"\n"_s + restarted.problem());
    FUZZ_CHECK(restarted.getSetting(u"settings"_s, u"hasbeenrun"_s, {}) == u"True"_s, details);
    return 0;
}
