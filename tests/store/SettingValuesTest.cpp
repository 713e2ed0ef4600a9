#include "store/SettingValues.h"
#include "store/SettingKeys.h"
#include "store/SettingsStore.h"

#include "support/IniFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora;

namespace {

const SettingKey& windowKey(const QString& name) {
    const auto keys = windowStateKeys();
    return *std::find_if(keys.begin(), keys.end(), [&](const SettingKey& key) { return key.name == name; });
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
    void unconvertibleValuesReadAsTheDefault_data();
    void unconvertibleValuesReadAsTheDefault();
    void everyDefaultConverts();
    void typedValuesSurviveARestart_data();
    void typedValuesSurviveARestart();
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
    QTest::addRow("empty") << "" << -1;
    QTest::addRow("word") << "yes" << -1;
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

void SettingValuesTest::unconvertibleValuesReadAsTheDefault_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");

    QTest::addRow("letters in a check-box key") << "chkNote"
                                                << "abc" << 1;
    QTest::addRow("check-box number out of range") << "UseOption1"
                                                   << "7" << 0;
    QTest::addRow("greyed check box is kept") << "chkShippingAddress"
                                              << "2" << 2;
    QTest::addRow("empty option-button key") << "optSet1DropDown"
                                             << "" << 1;
    QTest::addRow("word in an option-button key") << "optSet2TextBox"
                                                  << "maybe" << 0;
    QTest::addRow("option button stored as -1") << "optSet1TextBox"
                                                << "-1" << 1;
}

void SettingValuesTest::unconvertibleValuesReadAsTheDefault() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(u"Trevanto.ini"_s));
    const SettingKey& row = windowKey(key);
    store.saveSetting(row.section, row.name, stored);
    QCOMPARE(asNumber(readValue(store, row)), expected);
}

// A default that does not convert under its own kind would make every absent key read wrongly.
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
    const SettingKey& row = windowKey(key);
    {
        SettingsStore store(fileName);
        writeValue(store, row, row.kind == ValueKind::CheckBox ? StoredValue(value) : StoredValue(value != 0));
        QVERIFY(store.commit());
    }
    QCOMPARE(::onDisk(fileName, row.section + u'/' + row.name), onDisk);
    const SettingsStore restarted(fileName);
    QCOMPARE(asNumber(readValue(restarted, row)), value);
}

QTEST_GUILESS_MAIN(SettingValuesTest)
#include "SettingValuesTest.moc"
