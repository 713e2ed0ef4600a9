#include "model/MerchantAccount.h"

#include <QTest>

using namespace velmora;

class MerchantAccountTest : public QObject {
    Q_OBJECT

private slots:
    void usable_data();
    void usable();
};

void MerchantAccountTest::usable_data() {
    QTest::addColumn<QString>("account");
    QTest::addColumn<bool>("usable");

    QTest::addRow("ordinary address") << "shop@example.com" << true;
    QTest::addRow("address beyond ASCII") << "café@bücher.de" << true;
    QTest::addRow("merchant ID of 13") << "ABCDEFGH12345" << true;
    QTest::addRow("placeholder") << QString(placeholderEmail) << false;
    QTest::addRow("placeholder in capitals") << QString(placeholderEmail).toUpper() << false;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("blanks only") << "   " << false;
    QTest::addRow("blanks around an address") << " shop@example.com " << false;
    QTest::addRow("blank inside") << "my shop@example.com" << false;
    QTest::addRow("merchant ID of 12") << "ABCDEFGH1234" << false;
    QTest::addRow("merchant ID of 14") << "ABCDEFGH123456" << false;
    QTest::addRow("merchant ID in lower case") << "abcdefgh12345" << false;
    QTest::addRow("no top-level domain") << "shop@example" << false;
    QTest::addRow("empty top-level domain") << "shop@example." << false;
    QTest::addRow("nothing before @") << "@example.com" << false;
    QTest::addRow("two @") << "shop@home@example.com" << false;
}

void MerchantAccountTest::usable() {
    QFETCH(QString, account);
    QFETCH(bool, usable);
    QCOMPARE(isUsableMerchantAccount(account), usable);
}

QTEST_GUILESS_MAIN(MerchantAccountTest)
#include "MerchantAccountTest.moc"
