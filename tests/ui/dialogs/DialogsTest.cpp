// The real message box and file dialog behind the seams that every other test answers through.
#include "ui/dialogs/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxAnswersTheKeyPressed_data();
    void messageBoxAnswersTheKeyPressed();
    void fileDialogGivesTheChosenName_data();
    void fileDialogGivesTheChosenName();
};

void DialogsTest::messageBoxAnswersTheKeyPressed_data() {
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<QMessageBox::StandardButton>("answer");

    QTest::addRow("Enter takes OK") << QMessageBox::StandardButtons(QMessageBox::Ok) << int(Qt::Key_Return)
                                    << QMessageBox::Ok;
    QTest::addRow("Escape takes No") << (QMessageBox::Yes | QMessageBox::No) << int(Qt::Key_Escape) << QMessageBox::No;
}

// The box is up and the user at the keyboard when the timer fires, inside the box's own event loop.
void DialogsTest::messageBoxAnswersTheKeyPressed() {
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(int, key);
    QFETCH(QMessageBox::StandardButton, answer);

    QWidget parent;
    QString shown;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = u"%1 | %2 | %3 | %4 | %5"_s.arg(box->windowTitle(), box->text())
                    .arg(int(box->icon()))
                    .arg(box->objectName())
                    .arg(box->parentWidget() == &parent);
        QTest::keyClick(box, Qt::Key(key));
    });
    const QMessageBox::StandardButton chosen = velmora::showMessage({.text = u"Replace it?"_s,
                                                                     .icon = QMessageBox::Warning,
                                                                     .buttons = buttons,
                                                                     .parent = &parent,
                                                                     .name = u"Ask"_s});

    QCOMPARE(shown, u"Trevanto | Replace it? | 2 | Ask | 1"_s);
    QCOMPARE(chosen, answer);
}

void DialogsTest::fileDialogGivesTheChosenName_data() {
    QTest::addColumn<bool>("accepted");

    QTest::addRow("chosen") << true;
    QTest::addRow("cancelled") << false;
}

void DialogsTest::fileDialogGivesTheChosenName() {
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"item.tqf"_s);
    QVERIFY(QFile(file).open(QIODevice::WriteOnly));

    QFileDialog dialog(nullptr, {}, dir.path());
    dialog.setFileMode(QFileDialog::ExistingFile);
    QTimer::singleShot(0, &dialog, [&] {
        dialog.selectFile(file);
        QDialog& asked = dialog; // the file dialog's own accept() is not public, only its base's
        accepted ? asked.accept() : asked.reject();
    });

    QCOMPARE(velmora::chooseFileName(dialog), accepted ? file : QString());
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
