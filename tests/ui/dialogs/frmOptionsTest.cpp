#include "ui/dialogs/frmOptions.h"
#include "generate/ButtonForm.h"
#include "model/CartItem.h"
#include "model/MerchantSettings.h"
#include "store/MerchantStore.h"
#include "store/SettingsStore.h"

#include "support/DialogAnswers.h"
#include "support/IniFiles.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using velmora::MerchantSettings;
using velmora::SettingsStore;

namespace {

const QStringList boxNames = {u"txtEmail"_s, u"txtStoreLogoUrl"_s, u"txtButtonImageURL"_s, u"txtPurchaseSuccessUrl"_s,
                              u"txtPurchaseCancelUrl"_s};

const MerchantSettings typed{u"new@example.com"_s, u"http://shop/logo.png"_s, u"http://shop/ok"_s,
                             u"http://shop/cancel"_s, u"http://shop/button.gif"_s};

// The five boxes in the order of boxNames.
QStringList fieldsByBox(const MerchantSettings& s) {
    return {s.eMail, s.StoreLogo, s.ButtonImageURL, s.PurchaseSuccessURL, s.PurchaseCancelURL};
}

QStringList merchantKeysOnDisk(const QString& fileName) {
    QStringList values;
    for (const char* key : {"eMail", "StoreLogo", "ButtonImageURL", "PurchaseSuccessURL", "PurchaseCancelURL"})
        values << onDisk(fileName, "Settings/"_L1 + QLatin1StringView(key));
    return values;
}

} // namespace

class frmOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadStepShowsTheStore_data();
    void loadStepShowsTheStore();
    void focusMovesThroughTheBoxesThenTheButtons();
    void everyStepTakesAllFiveBoxes_data();
    void everyStepTakesAllFiveBoxes();
    void typingAloneChangesNothing();
    void clearedEmailStaysEmptyAfterARestart();
    void reopeningKeepsUnsavedTexts();
    void storeProblemIsShownOnce_data();
    void storeProblemIsShownOnce();
    void choicesGoThroughEveryStep_data();
    void choicesGoThroughEveryStep();

private:
    void open();
    QLineEdit* box(const QString& name) const { return m_dialog->findChild<QLineEdit*>(name); }
    void click(const char* buttonName);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<QWidget> m_mainWindow; // stays hidden until the dialog hands the user back to it
    MerchantSettings m_settings;
    QPointer<frmOptions> m_dialog;
    QString fileName() const { return m_dir->filePath(u"Trevanto.ini"_s); }
};

void frmOptionsTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_mainWindow = std::make_unique<QWidget>();
}

void frmOptionsTest::cleanup() {
    delete m_dialog;
    m_store.reset();
    m_mainWindow.reset();
}

void frmOptionsTest::open() {
    m_store = std::make_unique<SettingsStore>(fileName());
    m_settings = velmora::loadMerchantSettings(*m_store);
    frmOptions::showInstance(m_dialog, *m_store, m_settings, m_mainWindow.get());
    QVERIFY(m_dialog);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void frmOptionsTest::click(const char* buttonName) {
    QTest::mouseClick(m_dialog->findChild<QPushButton*>(QLatin1StringView(buttonName)), Qt::LeftButton);
}

void frmOptionsTest::loadStepShowsTheStore_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("shown");

    QTest::addRow("empty store: the placeholder")
        << QByteArray() << QStringList{"your-paypal-email@example.com", "", "", "", ""};
    QTest::addRow("stored values, names in other cases")
        << QByteArray("[SETTINGS]\nEMAIL=a@b.c\nstorelogo=L\nButtonImageURL=B\nPurchaseSuccessURL=S\n"
                      "PurchaseCancelURL=C\n")
        << QStringList{"a@b.c", "L", "B", "S", "C"};
    QTest::addRow("stored empty e-mail") << QByteArray("[Settings]\neMail=\n") << QStringList{"", "", "", "", ""};
}

void frmOptionsTest::loadStepShowsTheStore() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, shown);
    if (!file.isEmpty())
        QVERIFY(writeIniFile(fileName(), file));
    open();
    QCOMPARE(m_dialog->windowTitle(), u"Options"_s);
    QStringList texts;
    for (const QString& name : boxNames)
        texts << box(name)->text();
    QCOMPARE(texts, shown);
    QVERIFY(!m_dialog->parentWidget());
    QVERIFY(!m_dialog->isModal());
    if (file.isEmpty())
        QVERIFY(!QFileInfo::exists(fileName())); // opening writes nothing
}

void frmOptionsTest::focusMovesThroughTheBoxesThenTheButtons() {
    open();
    m_dialog->activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), box(u"txtEmail"_s));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, boxNames + QStringList({"txtShoppingUrl", "cboCurrency", "chkSandbox", "txtClientID",
                                            "txtClientSecret", "txtSandboxClientID", "txtSandboxClientSecret",
                                            "cmdTestConnection", "Command1", "Command2"}));
}

void frmOptionsTest::everyStepTakesAllFiveBoxes_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("staysOpen");

    QTest::addRow("Save and Keep Open.") << "Command2" << true;
    QTest::addRow("Save and Close.") << "Command1" << false;
    QTest::addRow("close box") << "" << false;
}

void frmOptionsTest::everyStepTakesAllFiveBoxes() {
    QFETCH(QString, step);
    QFETCH(bool, staysOpen);
    open();
    const QStringList texts = fieldsByBox(typed);
    for (qsizetype i = 0; i < boxNames.size(); ++i)
        typeInto(box(boxNames[i]), texts[i]);

    if (step.isEmpty())
        m_dialog->close();
    else
        click(step.toLatin1().constData());

    QVERIFY(m_mainWindow->isVisible());
    QCOMPARE(fieldsByBox(m_settings), texts);
    QCOMPARE(merchantKeysOnDisk(fileName()), texts);
    if (staysOpen)
        QVERIFY(m_dialog && m_dialog->isVisible());
    else
        QTRY_VERIFY(!m_dialog);

    // The generated form uses what was saved, the button image included.
    const QString form = velmora::BuildButtonForm(velmora::CartItem{}, m_settings);
    QVERIFY(form.contains(typed.eMail));
    QVERIFY(form.contains(typed.ButtonImageURL));
}

void frmOptionsTest::typingAloneChangesNothing() {
    open();
    const MerchantSettings before = m_settings;
    typeInto(box(u"txtEmail"_s), typed.eMail);
    typeInto(box(u"txtButtonImageURL"_s), typed.ButtonImageURL);

    QCOMPARE(fieldsByBox(m_settings), fieldsByBox(before));
    const QString form = velmora::BuildButtonForm(velmora::CartItem{}, m_settings);
    QVERIFY(form.contains(before.eMail));
    QVERIFY(!form.contains(typed.ButtonImageURL));
    QVERIFY(!QFileInfo::exists(fileName()));
}

void frmOptionsTest::clearedEmailStaysEmptyAfterARestart() {
    open();
    typeInto(box(u"txtEmail"_s), QString());
    m_dialog->close();
    QTRY_VERIFY(!m_dialog);
    m_store.reset();

    open();
    QCOMPARE(box(u"txtEmail"_s)->text(), QString());
    QCOMPARE(m_settings.eMail, QString());
}

void frmOptionsTest::reopeningKeepsUnsavedTexts() {
    open();
    const frmOptions* first = m_dialog;
    typeInto(box(u"txtStoreLogoUrl"_s), typed.StoreLogo);
    m_dialog->hide();

    frmOptions::showInstance(m_dialog, *m_store, m_settings, m_mainWindow.get());
    QCOMPARE(m_dialog.get(), first);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(box(u"txtStoreLogoUrl"_s)->text(), typed.StoreLogo);
}

void frmOptionsTest::storeProblemIsShownOnce_data() {
    QTest::addColumn<QByteArray>("unparsable"); // empty: the store's file is a folder
    QTest::addColumn<QString>("reason");

    QTest::addRow("file is a folder") << QByteArray() << "it is a folder";
    QTest::addRow("unparsable file") << QByteArray("[Settings]\neMail=old@example.com\n<html>\n")
                                     << "line 3 is not a section, a setting or a comment";
}

void frmOptionsTest::storeProblemIsShownOnce() {
    QFETCH(QByteArray, unparsable);
    QFETCH(QString, reason);
    if (unparsable.isEmpty())
        QVERIFY(QDir().mkpath(fileName()));
    else
        QVERIFY(writeIniFile(fileName(), unparsable));
    DialogAnswers answers;
    open();
    typeInto(box(u"txtEmail"_s), typed.eMail);

    click("Command2");
    QCOMPARE(answers.notices().size(), 1);
    const QString notice = answers.notices().value(0);
    QVERIFY2(notice.contains(QDir::toNativeSeparators(fileName())), qPrintable(notice));
    QVERIFY2(notice.contains(reason), qPrintable(notice));

    click("Command1");
    QTRY_VERIFY(!m_dialog);
    QCOMPARE(answers.notices().size(), 1);
    // Working on in memory, and nothing of the user's file lost.
    QCOMPARE(m_settings.eMail, typed.eMail);
    QCOMPARE(velmora::loadMerchantSettings(*m_store).eMail, typed.eMail);
    if (!unparsable.isEmpty())
        QCOMPARE(readIniFile(fileName()), unparsable);
}

// The settings beyond the five boxes: the currency list, the continue-shopping box and the sandbox check box.
void frmOptionsTest::choicesGoThroughEveryStep_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("stored"); // its key's line, if any
    QTest::addColumn<QString>("shown");     // a check box: "on" or "off"
    QTest::addColumn<QString>("chosen");    // empty: the control is left as it is
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("kept");     // on disk
    QTest::addColumn<QString>("fragment"); // of the form made afterwards
    QTest::addColumn<bool>("inForm");

    const QString none = u"Account default (no currency sent)"_s;
    const QString currency = u"name=\"currency_code\""_s;
    const QString sandbox = u"action=\"https://www.sandbox.paypal.com/"_s;
    const QString shoppingUrl = u"<input type=\"hidden\" name=\"shopping_url\" value=\"http://shop/?a=1&amp;b=2\">"_s;
    QTest::addRow("currency chosen, Save and Keep Open.") << "cboCurrency" << QByteArray() << none << "EUR  Euro"
                                                          << "Command2"
                                                          << "EUR" << currency << true;
    QTest::addRow("currency chosen, Save and Close.") << "cboCurrency" << QByteArray() << none << "JPY  Japanese Yen"
                                                      << "Command1"
                                                      << "JPY" << currency << true;
    QTest::addRow("currency chosen, close box") << "cboCurrency" << QByteArray() << none << "EUR  Euro"
                                                << ""
                                                << "EUR" << currency << true;
    QTest::addRow("currency stored in small letters")
        << "cboCurrency" << QByteArray("Currency=gbp\n") << "GBP  Pound Sterling"
        << ""
        << "Command1"
        << "GBP" << currency << true;
    QTest::addRow("back to the account's own currency")
        << "cboCurrency" << QByteArray("Currency=EUR\n") << "EUR  Euro" << none << ""
        << "" << currency << false;
    QTest::addRow("unknown currency kept as stored") << "cboCurrency" << QByteArray("Currency=XAU\n") << none << ""
                                                     << "Command1"
                                                     << "XAU" << currency << false;
    QTest::addRow("shopping URL typed, Save and Keep Open.") << "txtShoppingUrl" << QByteArray() << ""
                                                             << "http://shop/?a=1&b=2"
                                                             << "Command2"
                                                             << "http://shop/?a=1&b=2" << shoppingUrl << true;
    QTest::addRow("shopping URL replaced, close box")
        << "txtShoppingUrl" << QByteArray("ShoppingURL=http://old/\n") << "http://old/"
        << "http://shop/?a=1&b=2"
        << ""
        << "http://shop/?a=1&b=2" << shoppingUrl << true;
    QTest::addRow("sandbox turned on, Save and Close.") << "chkSandbox" << QByteArray() << "off"
                                                        << "on"
                                                        << "Command1"
                                                        << "True" << sandbox << true;
    QTest::addRow("sandbox turned off, close box") << "chkSandbox" << QByteArray("UseSandbox=True\n") << "on"
                                                   << "off"
                                                   << ""
                                                   << "False" << sandbox << false;
}

void frmOptionsTest::choicesGoThroughEveryStep() {
    QFETCH(QString, control);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(QString, chosen);
    QFETCH(QString, step);
    QFETCH(QString, kept);
    QFETCH(QString, fragment);
    QFETCH(bool, inForm);
    QVERIFY(writeIniFile(fileName(), "[Settings]\neMail=a@b.c\n" + stored));
    open();
    QWidget* widget = m_dialog->findChild<QWidget*>(control);
    QVERIFY(widget);
    auto* list = qobject_cast<QComboBox*>(widget);
    auto* check = qobject_cast<QCheckBox*>(widget);
    if (list)
        QCOMPARE(list->count(), 25);
    const auto showing = [&] {
        return list ? list->currentText() : check ? (check->isChecked() ? u"on"_s : u"off"_s) : box(control)->text();
    };
    QCOMPARE(showing(), shown);

    if (!chosen.isEmpty()) {
        if (list)
            list->setCurrentIndex(list->findText(chosen));
        else if (check)
            clickOn(check);
        else
            typeInto(box(control), chosen);
        QCOMPARE(showing(), chosen);
    }
    if (step.isEmpty())
        m_dialog->close();
    else
        click(step.toLatin1().constData());

    const QString key = control == u"cboCurrency"  ? u"Currency"_s
                        : control == u"chkSandbox" ? u"UseSandbox"_s
                                                   : u"ShoppingURL"_s;
    QCOMPARE(onDisk(fileName(), u"Settings/"_s + key), kept);
    const QString form = velmora::BuildButtonForm(velmora::CartItem{}, m_settings);
    QVERIFY2(form.contains(fragment) == inForm, qPrintable(form));
}

QTEST_MAIN(frmOptionsTest)
#include "frmOptionsTest.moc"
