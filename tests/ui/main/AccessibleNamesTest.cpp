#include "model/MerchantSettings.h"
#include "store/SettingsStore.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/main/Form1.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

// What a screen reader says for every field of both windows.
class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void everyFieldHasItsOwnName_data();
    void everyFieldHasItsOwnName();
};

namespace {

// Each window over the test's own store.
using WindowMaker = std::unique_ptr<QWidget> (*)(velmora::SettingsStore&, velmora::MerchantSettings&);

std::unique_ptr<QWidget> mainWindow(velmora::SettingsStore& store, velmora::MerchantSettings&) {
    return std::make_unique<Form1>(store.fileName());
}

std::unique_ptr<QWidget> optionsDialog(velmora::SettingsStore& store, velmora::MerchantSettings& settings) {
    return std::make_unique<frmOptions>(store, settings);
}

} // namespace

Q_DECLARE_METATYPE(WindowMaker)

void AccessibleNamesTest::everyFieldHasItsOwnName_data() {
    QTest::addColumn<WindowMaker>("makeWindow");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QStringList>("samples"); // "control=name"

    QTest::addRow("main window") << &mainWindow << 61
                                 << QStringList{u"txtItemName=Item Name"_s,
                                                u"txtShippingAdd=Shipping (add. items)"_s,
                                                u"txtNote=Note Title"_s,
                                                u"chkNote=Buyer include note at checkout?"_s,
                                                u"txtOptSet1(2)=Option set 1, value 3"_s,
                                                u"txtOptSet2(9)=Option set 2, value 10"_s,
                                                u"optSet1DropDown=Option set 1, Drop Down Menu"_s,
                                                u"optSet2DropDown=Option set 2, Drop Down Menu"_s,
                                                u"chkOption2Active=Option set 2, in use"_s,
                                                u"txtCode=HTML code"_s,
                                                u"txtOptPrice1(0)=Option set 1, price 1"_s};
    // A drop-down list is spoken by its chosen item on Linux, and its label through the "labelled by" relation.
    QTest::addRow("options dialog") << &optionsDialog << 12
                                    << QStringList{u"txtEmail=e-mail"_s,
                                                   u"txtPurchaseCancelUrl=Purchase Cancelled URL"_s,
                                                   u"txtShoppingUrl=Continue Shopping URL"_s,
                                                   u"chkSandbox=Test payments in the sandbox (no real money)"_s};
}

void AccessibleNamesTest::everyFieldHasItsOwnName() {
    QFETCH(WindowMaker, makeWindow);
    QFETCH(int, fields);
    QFETCH(QStringList, samples);
    QTemporaryDir dir;
    velmora::SettingsStore store(dir.filePath(u"Trevanto.ini"_s));
    velmora::MerchantSettings settings;
    const std::unique_ptr<QWidget> window = makeWindow(store, settings);

    QHash<QString, QString> names; // control by name
    int lists = 0;                 // spoken by their chosen item, which two lists may share
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window.get() ||
            !(qobject_cast<QLineEdit*>(widget) || qobject_cast<QCheckBox*>(widget) ||
              qobject_cast<QRadioButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
              qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget)))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName() + u" has no name"_s));
        if (qobject_cast<QComboBox*>(widget) && ++lists)
            continue;
        QVERIFY2(!names.contains(name), qPrintable(name + u" names "_s + names[name] + u" too"_s));
        names.insert(name, widget->objectName());
    }
    QCOMPARE(names.size() + lists, fields);
    for (const QString& sample : samples)
        QCOMPARE(names.value(sample.section(u'=', 1)), sample.section(u'=', 0, 0));
}

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
