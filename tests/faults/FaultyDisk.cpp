#include "FaultyDisk.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace faults {

namespace {

constexpr auto FillerName = ".filler";
constexpr int DiskKilobytes = 256;
constexpr uid_t NobodyUid = 65534;

QString g_mountProblem = QStringLiteral("the test did not prepare a mount namespace");

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1StringView(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeProcFile(const char* path, const QByteArray& text) {
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Without root, a user namespace in which we are root may still allow mounting.
bool enterUserNamespace() {
    const QByteArray uid = QByteArray::number(getuid());
    const QByteArray gid = QByteArray::number(getgid());
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    writeProcFile("/proc/self/setgroups", "deny");
    return writeProcFile("/proc/self/uid_map", "0 " + uid + " 1") &&
           writeProcFile("/proc/self/gid_map", "0 " + gid + " 1");
}

} // namespace

void enterPrivateMountNamespace() {
    if (unshare(CLONE_NEWNS) != 0 && !enterUserNamespace())
        g_mountProblem = systemError("cannot make a mount namespace");
    // Mounts made from here on must not reach the rest of the system.
    else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        g_mountProblem = systemError("cannot make the mounts private");
    else
        g_mountProblem.clear();
}

class FaultyDisk::Tmpfs {
public:
    explicit Tmpfs(const QString& folder) : m_folder(QFile::encodeName(folder)) {
        const QByteArray options = "size=" + QByteArray::number(DiskKilobytes) + "k,mode=0755";
        if (mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) != 0)
            m_error = systemError("cannot mount a tmpfs");
    }
    ~Tmpfs() {
        if (m_error.isEmpty())
            umount2(m_folder.constData(), MNT_DETACH);
    }
    QString error() const { return m_error; }

    bool setReadOnly(bool readOnly) {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return mount(nullptr, m_folder.constData(), nullptr, flags, nullptr) == 0;
    }

private:
    QByteArray m_folder;
    QString m_error;
};

FaultyDisk::FaultyDisk(Fault fault) : m_fault(fault), m_root(m_dir.filePath(QStringLiteral("disk"))) {
    if (!m_dir.isValid() || !QDir().mkdir(m_root)) {
        m_unavailable = QStringLiteral("cannot make a temporary folder");
        return;
    }
    // Root passes every permission check; an ordinary user (nobody) does not.
    if (fault == Fault::UnenterableFolder && geteuid() == 0 && (seteuid(NobodyUid) != 0 || seteuid(0) != 0))
        m_unavailable = systemError("cannot take an ordinary user's identity");
    if (fault != Fault::DiskFull && fault != Fault::ReadOnlyFolder)
        return;
    if (!g_mountProblem.isEmpty()) {
        m_unavailable = g_mountProblem;
        return;
    }
    m_tmpfs = std::make_unique<Tmpfs>(m_root);
    m_unavailable = m_tmpfs->error();
}

FaultyDisk::~FaultyDisk() {
    if (m_borrowedIdentity)
        seteuid(0); // a test that stopped half way must not leave the process as nobody
}

QString FaultyDisk::filePath(const QString& name) const {
    return m_root + u'/' + name;
}

bool FaultyDisk::strike(const QString& file) {
    switch (m_fault) {
    case Fault::None:
        return true;
    case Fault::DiskFull: {
        QFile filler(filePath(QLatin1StringView(FillerName)));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        // What is left is smaller than a block; take it byte by byte.
        while (filler.write("x", 1) == 1) {
        }
        return filler.error() != QFileDevice::NoError; // Qt calls ENOSPC a resource error
    }
    case Fault::ReadOnlyFolder:
        return m_tmpfs->setReadOnly(true);
    case Fault::FileReplacedByFolder:
        return QFile::remove(file) && QDir().mkdir(file);
    case Fault::UnenterableFolder:
        if (!QFile::setPermissions(QFileInfo(file).absolutePath(), {}))
            return false;
        m_borrowedIdentity = geteuid() == 0;
        return !m_borrowedIdentity || seteuid(NobodyUid) == 0;
    }
    return false;
}

bool FaultyDisk::clear(const QString& file) {
    switch (m_fault) {
    case Fault::None:
        return true;
    case Fault::DiskFull:
        return QFile::remove(filePath(QLatin1StringView(FillerName)));
    case Fault::ReadOnlyFolder:
        return m_tmpfs->setReadOnly(false);
    case Fault::FileReplacedByFolder:
        return QDir().rmdir(file);
    case Fault::UnenterableFolder:
        if (m_borrowedIdentity && seteuid(0) != 0)
            return false;
        m_borrowedIdentity = false;
        return QFile::setPermissions(QFileInfo(file).absolutePath(),
                                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return false;
}

FolderContent FaultyDisk::content() const {
    FolderContent content;
    const QDir base(m_root);
    QDirIterator it(m_root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        if (entry.fileName() == QLatin1StringView(FillerName))
            continue;
        QFile file(entry.filePath());
        const QByteArray bytes = entry.isDir()                    ? QByteArray("<folder>")
                                 : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                  : QByteArray("<unreadable>");
        content.insert(base.relativeFilePath(entry.filePath()), bytes);
    }
    return content;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray randomBytes(quint32 seed, int size) {
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace faults
