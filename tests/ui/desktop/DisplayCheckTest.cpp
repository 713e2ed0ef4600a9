#include "ui/desktop/DisplayCheck.h"

#include <QtTest>

class DisplayCheckTest : public QObject {
    Q_OBJECT

private slots:
    void needsADisplay_data();
    void needsADisplay();
};

void DisplayCheckTest::needsADisplay_data() {
    QTest::addColumn<QStringList>("variables"); // NAME=VALUE
    QTest::addColumn<bool>("refused");

    QTest::newRow("nothing set") << QStringList{} << true;
    QTest::newRow("X display") << QStringList{"DISPLAY=:0"} << false;
    QTest::newRow("Wayland display") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << false;
    QTest::newRow("empty DISPLAY counts as none") << QStringList{"DISPLAY="} << true;
    QTest::newRow("offscreen platform") << QStringList{"QT_QPA_PLATFORM=offscreen"} << false;
    QTest::newRow("minimal platform") << QStringList{"QT_QPA_PLATFORM=minimal"} << false;
    QTest::newRow("platform with options") << QStringList{"QT_QPA_PLATFORM=offscreen:fontengine=freetype"} << false;
    QTest::newRow("fallback list naming offscreen") << QStringList{"QT_QPA_PLATFORM=xcb;offscreen"} << false;
    QTest::newRow("platform that needs a display") << QStringList{"QT_QPA_PLATFORM=xcb"} << true;
    QTest::newRow("name only starting like offscreen") << QStringList{"QT_QPA_PLATFORM=offscreenish"} << true;
}

void DisplayCheckTest::needsADisplay() {
    QFETCH(QStringList, variables);
    QFETCH(bool, refused);

    QProcessEnvironment environment;
    for (const QString& variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    const QString reason = velmora::missingDisplayReason(environment);
    QCOMPARE(!reason.isEmpty(), refused);
    if (refused) {
        QVERIFY(!reason.contains(u'\n'));
        QVERIFY(reason.contains(QStringLiteral("DISPLAY")));
    }
}

QTEST_APPLESS_MAIN(DisplayCheckTest)
#include "DisplayCheckTest.moc"
