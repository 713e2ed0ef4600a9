#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Real file-system faults for tests that run as root, where permission bits stop nothing: a small tmpfs that
// fills up, one remounted read-only, a file that a folder takes the place of, a folder that cannot be entered
// (root borrows an ordinary user's identity for it until the fault is cleared). The mounts live in a mount
// namespace of the test's own, so they vanish with the process however it ends.
namespace faults {

// Call first thing in main(), before any thread starts.
void enterPrivateMountNamespace();

enum class Fault { None, DiskFull, ReadOnlyFolder, FileReplacedByFolder, UnenterableFolder };

// Every file and folder under a folder with its content, hidden ones included: what a fault must leave alone.
using FolderContent = QMap<QString, QByteArray>;

// A folder of its own for the files under test, on a tmpfs of its own when the fault needs one.
class FaultyDisk {
public:
    explicit FaultyDisk(Fault fault);
    ~FaultyDisk();
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

    // Why the fault cannot be made on this machine; empty when it can.
    QString unavailableBecause() const { return m_unavailable; }
    QString filePath(const QString& name) const;

    // Brings the fault upon the file (for a full disk or a read-only folder, upon all of the disk).
    bool strike(const QString& file);
    // Clears the way again, as the user would.
    bool clear(const QString& file);
    FolderContent content() const;

private:
    class Tmpfs;
    Fault m_fault;
    QTemporaryDir m_dir;
    QString m_root;
    std::unique_ptr<Tmpfs> m_tmpfs;
    QString m_unavailable;
    bool m_borrowedIdentity = false;
};

bool writeFile(const QString& path, const QByteArray& bytes); // making its folder first
QByteArray randomBytes(quint32 seed, int size);

} // namespace faults
