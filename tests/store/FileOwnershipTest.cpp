#include "store/ItemFile.h"
#include "store/SettingsStore.h"

#include "support/IniFiles.h"
#include "support/ItemRecords.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace velmora;

namespace {

// An ordinary user's own ids; nobody on most systems.
constexpr uid_t OtherUser = 65534;
constexpr gid_t OtherGroup = 65534;

QString saveThrough(const QString& writer, const QString& path) {
    if (writer == u"settings") {
        SettingsStore store(path);
        store.saveSetting(u"Settings"_s, u"ItemName"_s, u"Lamp"_s);
        return store.commit() ? QString() : store.problem();
    }
    return writeItemFile(path, recordWith({{ItemValueId::ItemName, u"Lamp"_s}})).error;
}

} // namespace

// Both writers replace their file with a new copy, which must not take the owner and mode of whoever saves.
class FileOwnershipTest : public QObject {
    Q_OBJECT

private slots:
    void savesKeepOwnerAndMode_data();
    void savesKeepOwnerAndMode();
};

void FileOwnershipTest::savesKeepOwnerAndMode_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("othersFile"); // else the saver's own
    QTest::addColumn<uint>("mode");       // of the old file, or the umask's for a new one

    QTest::addRow("another user's settings file, as root") << u"settings"_s << true << true << 0640u;
    QTest::addRow("another user's item file, as root") << u"item"_s << true << true << 0604u;
    QTest::addRow("an own shared item file") << u"item"_s << true << false << 0664u;
    QTest::addRow("a new settings file") << u"settings"_s << false << false << 0640u;
}

void FileOwnershipTest::savesKeepOwnerAndMode() {
    QFETCH(QString, writer);
    QFETCH(bool, exists);
    QFETCH(bool, othersFile);
    QFETCH(uint, mode);
    if (othersFile && geteuid() != 0)
        QSKIP("only root can save another user's file; run the tests as root for this case");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Trevanto.ini"_s);
    const QByteArray native = QFile::encodeName(path);
    const uid_t owner = othersFile ? OtherUser : geteuid();
    const gid_t group = othersFile ? OtherGroup : getegid();
    if (exists) {
        QVERIFY(writeIniFile(path, "[Settings]\nItemName=Mug\n"));
        QCOMPARE(::chown(native.constData(), owner, group), 0);
        QCOMPARE(::chmod(native.constData(), mode), 0);
    }

    const mode_t umask = ::umask(exists ? 022 : 0777 & ~mode);
    const QString problem = saveThrough(writer, path);
    ::umask(umask);
    QCOMPARE(problem, QString());
    struct stat saved {};
    QCOMPARE(::stat(native.constData(), &saved), 0);
    QCOMPARE(saved.st_uid, owner);
    QCOMPARE(saved.st_gid, group);
    QCOMPARE(uint(saved.st_mode & 07777), mode);
    QVERIFY(readIniFile(path).contains("Lamp"));
}

QTEST_GUILESS_MAIN(FileOwnershipTest)
#include "FileOwnershipTest.moc"
