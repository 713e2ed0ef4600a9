#include "store/SettingValues.h"
#include "store/SettingKeys.h"
#include "store/SettingsStore.h"

#include "support/ExtensionValues.h"
#include "support/IniFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora;

namespace {

const SettingKey& settingKey(const QString& name) {
    for (const auto keys : {merchantKeys(), std::span<const SettingKey>(windowStateKeys())}) {
        if (const auto found = std::ranges::find(keys, name, &SettingKey::name); found != keys.end())
            return *found;
    }
    qFatal("no key %s", qPrintable(name));
}

// A check-box state, or 1 and 0 for a boolean.
int asNumber(const StoredValue& value) {
    return kindOf(value) == ValueKind::CheckBox ? std::get<int>(value) : int(std::get<bool>(value));
}

} // namespace

class SettingValuesTest : public QObject {
    Q_OBJECT

private slots:
    void booleanFromText_data();
    void booleanFromText();
    void checkBoxFromText_data();
    void checkBoxFromText();
    void unconvertibleValues_data();
    void unconvertibleValues();
    void everyDefaultConverts();
    void typedValuesSurviveARestart_data();
    void typedValuesSurviveARestart();
    void extensionKeysReadThePercentForm_data();
    void extensionKeysReadThePercentForm();
    void extensionTextSurvivesARestart();
};

void SettingValuesTest::booleanFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1 when the text does not convert

    QTest::addRow("True") << "True" << 1;
    QTest::addRow("False") << "False" << 0;
    QTest::addRow("lower case") << "true" << 1;
    QTest::addRow("upper case") << "FALSE" << 0;
    QTest::addRow("minus one, the runtime's true") << "-1" << 1;
    QTest::addRow("zero") << "0" << 0;
    QTest::addRow("any other number") << "2.5" << 1;
    QTest::addRow("blanks around") << " True " << 1;
    QTest::addRow("yes") << "yes" << 1;
    QTest::addRow("ON") << "ON" << 1;
    QTest::addRow("no") << "No" << 0;
    QTest::addRow("off") << "oFF" << 0;
    QTest::addRow("empty") << "" << -1;
    QTest::addRow("a word of neither") << "maybe" << -1;
    QTest::addRow("a word that only starts like one") << "yesterday" << -1;
    QTest::addRow("not a number") << "nan" << -1;
}

void SettingValuesTest::booleanFromText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> value = velmora::booleanFromText(text);
    QCOMPARE(value ? int(*value) : -1, expected);
}

void SettingValuesTest::checkBoxFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1 when the text does not convert

    QTest::addRow("unchecked") << "0" << 0;
    QTest::addRow("checked") << "1" << 1;
    QTest::addRow("greyed") << "2" << 2;
    QTest::addRow("blanks around") << " 1 " << 1;
    QTest::addRow("above the range") << "3" << -1;
    QTest::addRow("negative") << "-1" << -1;
    QTest::addRow("letters") << "abc" << -1;
    QTest::addRow("empty") << "" << -1;
    QTest::addRow("boolean text") << "True" << -1;
}

void SettingValuesTest::checkBoxFromText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(velmora::checkBoxFromText(text).value_or(-1), expected);
}

void SettingValuesTest::unconvertibleValues_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("misread");

    QTest::addRow("letters in a check-box key") << "chkNote"
                                                << "abc" << 1 << true;
    QTest::addRow("check-box number out of range") << "UseOption1"
                                                   << "7" << 0 << true;
    QTest::addRow("greyed check box is kept") << "chkShippingAddress"
                                              << "2" << 2 << false;
    QTest::addRow("empty option-button key") << "optSet1DropDown"
                                             << "" << 1 << true;
    QTest::addRow("word in an option-button key") << "optSet2TextBox"
                                                  << "maybe" << 0 << true;
    QTest::addRow("option button stored as -1") << "optSet1TextBox"
                                                << "-1" << 1 << false;
    // Real money must never follow from a switch that was not clearly turned off.
    QTest::addRow("sandbox switch of neither, against a live default") << "UseSandbox"
                                                                       << "maybe" << 1 << true;
    QTest::addRow("empty sandbox switch") << "UseSandbox"
                                          << "" << 1 << true;
    QTest::addRow("sandbox switch off") << "UseSandbox"
                                        << "off" << 0 << false;
}

// A value that does not convert reads as its key says (the default, but for the sandbox switch), and is told.
void SettingValuesTest::unconvertibleValues() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QFETCH(bool, misread);
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(u"Trevanto.ini"_s));
    const SettingKey& row = settingKey(key);
    store.saveSetting(row.section, row.name, stored);
    QCOMPARE(asNumber(readValue(store, row)), expected);
    QCOMPARE(isMisread(store, row), misread);
}

// A default (or a misread text) that does not convert under its own kind would make every absent key read wrongly.
void SettingValuesTest::everyDefaultConverts() {
    std::vector<SettingKey> keys(merchantKeys().begin(), merchantKeys().end());
    keys.push_back(hasBeenRunKey());
    keys.insert(keys.end(), windowStateKeys().begin(), windowStateKeys().end());
    for (const SettingKey& key : keys) {
        switch (key.kind) {
        case ValueKind::Text:
            break;
        case ValueKind::CheckBox:
            QVERIFY2(velmora::checkBoxFromText(key.defaultText), key.name.data());
            break;
        case ValueKind::Boolean:
            QVERIFY2(velmora::booleanFromText(key.defaultText), key.name.data());
            QVERIFY2(key.misreadText.isEmpty() || velmora::booleanFromText(key.misreadText), key.name.data());
            break;
        }
    }
}

void SettingValuesTest::typedValuesSurviveARestart_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("onDisk");

    QTest::addRow("check box set") << "UseOption1" << 1 << "1";
    QTest::addRow("check box clear against a set default") << "chkShippingAddress" << 0 << "0";
    QTest::addRow("greyed check box") << "chkNote" << 2 << "2";
    QTest::addRow("option button selected") << "optSet2TextBox" << 1 << "True";
    QTest::addRow("option button clear against a set default") << "optSet1DropDown" << 0 << "False";
}

void SettingValuesTest::typedValuesSurviveARestart() {
    QFETCH(QString, key);
    QFETCH(int, value);
    QFETCH(QString, onDisk);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"Trevanto.ini"_s);
    const SettingKey& row = settingKey(key);
    {
        SettingsStore store(fileName);
        writeValue(store, row, row.kind == ValueKind::CheckBox ? StoredValue(value) : StoredValue(value != 0));
        QVERIFY(store.commit());
    }
    QCOMPARE(::onDisk(fileName, row.section + u'/' + row.name), onDisk);
    const SettingsStore restarted(fileName);
    QCOMPARE(asNumber(readValue(restarted, row)), value);
}

void SettingValuesTest::extensionKeysReadThePercentForm_data() {
    QTest::addColumn<QString>("stored"); // absent when null
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("misread");

    QTest::addRow("absent: the default") << QString() << u"Thank you"_s << false;
    QTest::addRow("the percent form") << u"a%20b%0a100%25"_s << u"a b\n100%"_s << false;
    QTest::addRow("a malformed escape: the default") << u"%4"_s << u"Thank you"_s << true;
}

// The store keeps a value beyond the classic ones under its extension key, in the percent form.
void SettingValuesTest::extensionKeysReadThePercentForm() {
    QFETCH(QString, stored);
    QFETCH(QString, text);
    QFETCH(bool, misread);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"Trevanto.ini"_s);
    if (!stored.isNull())
        QVERIFY(writeIniFile(fileName, "[Settings]\ntest.note=" + stored.toUtf8() + '\n'));
    const SettingsStore store(fileName);
    const SettingKey key = windowStateKey(extension::itemValues()[extension::Note]);
    QCOMPARE(std::get<QString>(readValue(store, key)), text);
    QCOMPARE(isMisread(store, key), misread);
}

void SettingValuesTest::extensionTextSurvivesARestart() {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"Trevanto.ini"_s);
    const SettingKey key = windowStateKey(extension::itemValues()[extension::Note]);
    const QString text = u" Line 1\r\nLine 2: 100% \"Café\" "_s;
    {
        SettingsStore store(fileName);
        writeValue(store, key, text);
        QVERIFY2(store.commit(), qPrintable(store.problem()));
    }
    QCOMPARE(::onDisk(fileName, u"Settings/test.note"_s), u"%20Line%201%0D%0ALine%202:%20100%25%20\"Caf%C3%A9\"%20"_s);
    QCOMPARE(std::get<QString>(readValue(SettingsStore(fileName), key)), text);
}

QTEST_GUILESS_MAIN(SettingValuesTest)
#include "SettingValuesTest.moc"
