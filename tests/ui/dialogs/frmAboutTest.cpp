#include "ui/dialogs/frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class frmAboutTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void showingTwiceKeepsOneBox();
    void looksLikeTheBox();
    void onlyTheLastLineCloses_data();
    void onlyTheLastLineCloses();

private:
    static int openBoxes();

    QPointer<frmAbout> m_box;
};

int frmAboutTest::openBoxes() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<frmAbout*>(widget) && widget->isVisible();
    return count;
}

void frmAboutTest::cleanup() {
    delete m_box;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void frmAboutTest::showingTwiceKeepsOneBox() {
    frmAbout::showInstance(m_box);
    QVERIFY(m_box);
    const frmAbout* first = m_box;

    frmAbout::showInstance(m_box);
    QCOMPARE(m_box.data(), first);
    QCOMPARE(openBoxes(), 1);
    QVERIFY2(!m_box->parentWidget(), "the box has no owner window");
}

void frmAboutTest::looksLikeTheBox() {
    frmAbout::showInstance(m_box);
    QVERIFY(QTest::qWaitForWindowExposed(m_box));

    QVERIFY(m_box->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY2(m_box->windowIcon().availableSizes().contains(QSize(32, 32)), "the shared icon is compiled in");
    QCOMPARE(m_box->grab().toImage().pixelColor(1, 1), QColor(Qt::black));

    const auto labels = m_box->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 5);
    QCOMPARE(m_box->findChild<QLabel*>("Label3")->text(), "Version 2.0"); // the same version --version reports
    for (const QLabel* label : labels)
        QVERIFY2(m_box->rect().contains(label->geometry()), qPrintable(label->objectName() + " is cut off"));
}

void frmAboutTest::onlyTheLastLineCloses_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("closes");

    QTest::addRow("title") << "Label1" << Qt::LeftButton << false;
    QTest::addRow("subtitle") << "Label2" << Qt::LeftButton << false;
    QTest::addRow("version") << "Label3" << Qt::LeftButton << false;
    QTest::addRow("notice") << "Label4" << Qt::LeftButton << false;
    QTest::addRow("black background") << "" << Qt::LeftButton << false;
    QTest::addRow("continue, right button") << "Label5" << Qt::RightButton << false;
    QTest::addRow("continue") << "Label5" << Qt::LeftButton << true;
}

void frmAboutTest::onlyTheLastLineCloses() {
    QFETCH(QString, target);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, closes);

    frmAbout::showInstance(m_box);
    QVERIFY(QTest::qWaitForWindowExposed(m_box));
    QWidget* widget = target.isEmpty() ? static_cast<QWidget*>(m_box) : m_box->findChild<QLabel*>(target);
    QVERIFY(widget);

    // The corner is clear of every label, so there the click lands on the background itself.
    QTest::mouseClick(widget, button, {}, target.isEmpty() ? QPoint(1, 1) : widget->rect().center());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(m_box.isNull(), closes);
    QCOMPARE(openBoxes(), closes ? 0 : 1);
}

QTEST_MAIN(frmAboutTest)
#include "frmAboutTest.moc"
