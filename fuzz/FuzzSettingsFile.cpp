// The settings file of any bytes. Read and written back unchanged it is byte for byte the same; a value written
// into it comes back exactly, with every other setting as it was, or is refused and leaves the file alone. The
// store on top either leaves a file it cannot read exactly as it was (and says why) or keeps everything else.
#include "FuzzCheck.h"
#include "StoreKeys.h"

#include "store/IniDocument.h"
#include "store/SettingValues.h"
#include "store/SettingsStore.h"

#include <QFile>

#include <cstdint>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every setting as "section/key=value", leaving out the key about to be written.
QStringList everythingBut(const IniDocument& document, const QString& section, const QString& key) {
    QStringList settings;
    for (const IniDocument::Setting& setting : document.settings()) {
        if (setting.section.compare(section, Qt::CaseInsensitive) != 0 ||
            setting.key.compare(key, Qt::CaseInsensitive) != 0)
            settings << setting.section + u'/' + setting.key + u'=' + setting.value;
    }
    return settings;
}

void checkValueComesBack(IniDocument document, const QString& value, const QString& details) {
    const QByteArray before = document.toBytes();
    const QStringList others = everythingBut(document, u"Settings"_s, u"ItemName"_s);
    const bool written = document.setValue(u"Settings"_s, u"ItemName"_s, value);
    FUZZ_CHECK(written == fitsOnASettingsLine(value), details + u"\nvalue "_s + shownText(value));
    if (!written) {
        FUZZ_CHECK(document.toBytes() == before, details);
        return;
    }
    const IniParseResult reread = IniDocument::parse(document.toBytes());
    FUZZ_CHECK(reread.ok(), details + u"\n"_s + reread.error);
    FUZZ_CHECK(reread.document.value(u"settings"_s, u"itemname"_s) == value,
               details + u"\nvalue "_s + shownText(value) + u"\nnow reads\n"_s + QString::fromUtf8(document.toBytes()));
    FUZZ_CHECK(everythingBut(reread.document, u"Settings"_s, u"ItemName"_s) == others, details);
}

void checkEveryKeyReads(const SettingsStore& store, const QString& details) {
    static const std::vector<SettingKey> keys = allSettingKeys();
    for (const SettingKey& key : keys) {
        const StoredValue value = readValue(store, key);
        FUZZ_CHECK(kindOf(value) == key.kind, details);
        if (key.kind == ValueKind::CheckBox)
            FUZZ_CHECK(std::get<int>(value) >= 0 && std::get<int>(value) <= 2, details);
    }
}

void checkStore(const QByteArray& bytes, bool readable, const QString& details) {
    const QString path = scratchIniPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }
    SettingsStore store(path);
    checkEveryKeyReads(store, details);
    FUZZ_CHECK(store.isReadable() == readable, details + u"\n"_s + store.problem());
    store.saveSetting(u"Settings"_s, u"HasBeenRun"_s, u"True"_s);
    const bool committed = store.commit();
    FUZZ_CHECK(committed == readable, details + u"\n"_s + store.problem());
    if (!committed) {
        FUZZ_CHECK(contentOf(path) == bytes, details);
        FUZZ_CHECK(store.problem().contains(path), details);
        return;
    }
    const IniDocument before = IniDocument::parse(bytes).document;
    const IniParseResult after = IniDocument::parse(contentOf(path));
    FUZZ_CHECK(after.ok(), details + u"\n"_s + after.error);
    FUZZ_CHECK(everythingBut(after.document, u"Settings"_s, u"HasBeenRun"_s) ==
                   everythingBut(before, u"Settings"_s, u"HasBeenRun"_s),
               details + u"\nnow reads\n"_s + QString::fromUtf8(contentOf(path)));
    const SettingsStore restarted(path);
    FUZZ_CHECK(restarted.problem().isEmpty(), details + u"\n"_s + restarted.problem());
    FUZZ_CHECK(restarted.getSetting(u"settings"_s, u"hasbeenrun"_s, {}) == u"True"_s, details);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString details = u"file (percent-encoded): "_s + QString::fromLatin1(bytes.toPercentEncoding());

    const IniParseResult parsed = IniDocument::parse(bytes);
    if (parsed.ok())
        FUZZ_CHECK(parsed.document.toBytes() == bytes, details);
    // The input's own text as a value, once as UTF-8 and once as UTF-16, into the file or an empty one.
    const IniDocument document = parsed.ok() ? parsed.document : IniDocument();
    checkValueComesBack(document, QString::fromUtf8(bytes), details);
    checkValueComesBack(document, QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2),
                        details);
    checkStore(bytes, parsed.ok(), details);
    return 0;
}
