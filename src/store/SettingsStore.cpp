#include "store/SettingsStore.h"

#include "store/FileOwnership.h"
#include "store/IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {

QString entryId(const QString& section, const QString& key) {
    return section.toCaseFolded() + u'/' + key.toCaseFolded();
}

// The store's file as it is on disk now.
struct StoreFile {
    bool exists = false;
    QByteArray bytes;
    IniDocument document;
    QString unreadableBecause; // empty when the file could be read or does not exist
};

StoreFile readStoreFile(const QString& fileName) {
    StoreFile file;
    // Checked before opening: a named pipe would block the read, and a folder that cannot be entered makes
    // the file look absent to QFileInfo.
    struct stat status {};
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0) {
        // Absent, or a file stands where a folder on the way should be: nothing was ever stored.
        if (errno != ENOENT && errno != ENOTDIR)
            file.unreadableBecause = u"a folder on the way to it cannot be opened (%1)"_s.arg(qt_error_string(errno));
        return file;
    }
    file.exists = true;
    if (S_ISDIR(status.st_mode)) {
        file.unreadableBecause = u"it is a folder, not a file"_s;
        return file;
    }
    if (!S_ISREG(status.st_mode)) {
        file.unreadableBecause = u"it is not a regular file"_s;
        return file;
    }
    QFile input(fileName);
    if (!input.open(QIODevice::ReadOnly)) {
        file.unreadableBecause = input.errorString();
        return file;
    }
    file.bytes = input.readAll();
    if (input.error() != QFileDevice::NoError) {
        file.unreadableBecause = input.errorString();
        return file;
    }
    IniParseResult parsed = IniDocument::parse(file.bytes);
    file.document = std::move(parsed.document);
    file.unreadableBecause = parsed.error;
    return file;
}

bool isWritable(const QString& path) {
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

// Why the file cannot be written, judged without writing anything; nothing when it can. Root passes permission
// checks, so a read-only mount or a file in the way is all that stops it.
std::optional<QString> unwritableBecause(const QString& fileName) {
    const QFileInfo file(fileName);
    if (file.exists() && !isWritable(fileName))
        return u"it is not writable"_s;
    QFileInfo folder(file.absolutePath());
    while (!folder.exists() && !folder.isRoot())
        folder.setFile(folder.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.filePath());
    if (!folder.isDir())
        return u"%1 is a file, so no folder can be made there"_s.arg(folderName);
    // The new file is written beside the old one and takes its place, so the folder must take new files.
    if (!isWritable(folder.filePath()))
        return u"the folder %1 is not writable"_s.arg(folderName);
    return std::nullopt;
}

std::optional<QString> writeFailure(const QString& fileName, const QByteArray& bytes) {
    if (const auto reason = unwritableBecause(fileName))
        return reason;
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return u"its folder cannot be made"_s;
    QSaveFile file(fileName);
    // Unbuffered, so that a full disk fails the write itself: a failure found only by the flush inside commit()
    // would still put the unfinished copy in the file's place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size())
        return file.errorString();
    if (const QString reason = keepOwnerAndMode(file); !reason.isEmpty())
        return reason;
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QString unreadableMessage(const QString& fileName, const QString& reason) {
    return u"The settings file %1 cannot be read: %2. It is left as it is; settings changed now are kept only "
           u"until the program closes."_s.arg(QDir::toNativeSeparators(fileName), reason);
}

QString unwritableMessage(const QString& fileName, const QString& reason) {
    return u"The settings cannot be saved to %1: %2. Changes will not be kept: settings changed now last only "
           u"until the program closes."_s.arg(QDir::toNativeSeparators(fileName), reason);
}

QString unkeptMessage(const QString& fileName, const QStringList& keys) {
    return u"The settings file %1 cannot keep the text of %2: it holds a line break or another control "
           u"character, and a setting is one line. That text is kept only until the program closes."_s.arg(
               QDir::toNativeSeparators(fileName), keys.join(u", "_s));
}

} // namespace

QString SettingsStore::userFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/Trevanto/Trevanto.ini"_s;
}

SettingsStore::SettingsStore() : SettingsStore(userFileName()) {}

SettingsStore::SettingsStore(const QString& iniPath) : m_fileName(iniPath) {
    const StoreFile file = readStoreFile(m_fileName);
    m_readable = file.unreadableBecause.isEmpty();
    m_startedUnread = !m_readable;
    // Nothing is taken from a file that cannot be read: half a damaged file could put wrong values in a form.
    if (!m_readable) {
        setProblem(unreadableMessage(m_fileName, file.unreadableBecause));
        return;
    }
    for (const IniDocument::Setting& setting : file.document.settings()) {
        const QString id = entryId(setting.section, setting.key);
        if (!m_entries.contains(id))
            m_known << id;
        m_entries.insert(id, Entry{setting.section, setting.key, setting.value}); // the last line of a key counts
    }
    // Told now, not when the window closes over work that cannot be kept.
    if (const auto reason = unwritableBecause(m_fileName))
        setProblem(unwritableMessage(m_fileName, *reason));
}

SettingsStore::~SettingsStore() {
    commit();
}

QString SettingsStore::getSetting(const QString& section, const QString& key, const QString& defaultText) const {
    const QString id = entryId(section, key);
    const auto found = m_entries.constFind(id);
    const QString text = found == m_entries.cend() ? defaultText : found->value;
    if (m_startedUnread)
        m_handedOut.insert(id, text);
    return text;
}

void SettingsStore::saveSetting(const QString& section, const QString& key, const QString& value) {
    const QString id = entryId(section, key);
    const bool unchanged = isUnchangedSinceRead(id, value);
    if (const auto found = m_entries.find(id); found != m_entries.end()) {
        found->value = value;
    } else {
        m_entries.insert(id, Entry{section, key, value});
        m_known << id;
    }
    if (!unchanged && !m_pending.contains(id))
        m_pending << id;
}

// A store that never saw its file takes a value saved just as it was read for one the user left alone: writing
// it would put a default over whatever the file holds by now. Once changed, a key is written at every save.
bool SettingsStore::isUnchangedSinceRead(const QString& id, const QString& value) {
    if (!m_startedUnread || m_changed.contains(id))
        return false;
    if (const auto handedOut = m_handedOut.constFind(id); handedOut != m_handedOut.cend() && *handedOut == value)
        return true;
    m_changed.insert(id);
    return false;
}

void SettingsStore::rereadSection(const QString& section) {
    const StoreFile file = readStoreFile(m_fileName);
    if (!file.exists || !file.unreadableBecause.isEmpty())
        return;
    const auto isReread = [&](const QString& id) {
        return m_entries.value(id).section.compare(section, Qt::CaseInsensitive) == 0 && !m_pending.contains(id);
    };
    m_known.removeIf([&](const QString& id) { return isReread(id) && m_entries.remove(id); });
    for (const IniDocument::Setting& setting : file.document.settings()) {
        const QString id = entryId(setting.section, setting.key);
        if (setting.section.compare(section, Qt::CaseInsensitive) != 0 || m_pending.contains(id))
            continue;
        if (!m_entries.contains(id))
            m_known << id;
        m_entries.insert(id, Entry{setting.section, setting.key, setting.value});
    }
}

bool SettingsStore::commit() {
    if (m_pending.isEmpty())
        return true;
    // Read again now, so that what another copy of the program wrote meanwhile to other keys stays.
    StoreFile file = readStoreFile(m_fileName);
    m_readable = file.unreadableBecause.isEmpty();
    if (!m_readable) {
        setProblem(unreadableMessage(m_fileName, file.unreadableBecause));
        return false;
    }
    // A file that went away while we ran gets back everything we know, not only what changed since.
    QStringList unkept, unkeptNames;
    for (const QString& id : file.exists ? m_pending : m_known) {
        const Entry& entry = m_entries[id];
        if (!file.document.setValue(entry.section, entry.key, entry.value)) {
            unkept << id;
            unkeptNames << entry.section + u'/' + entry.key;
        }
    }
    const QByteArray bytes = file.document.toBytes();
    if (const auto failure = bytes == file.bytes ? unwritableBecause(m_fileName) : writeFailure(m_fileName, bytes)) {
        setProblem(unwritableMessage(m_fileName, *failure));
        return false;
    }
    m_pending = unkept;
    setProblem(unkept.isEmpty() ? QString() : unkeptMessage(m_fileName, unkeptNames));
    return unkept.isEmpty();
}

QString SettingsStore::takeProblemToReport() {
    if (m_problemReported)
        return {};
    m_problemReported = true;
    return m_problem;
}

void SettingsStore::setProblem(const QString& message) {
    if (message == m_problem)
        return;
    m_problem = message;
    m_problemReported = false;
}

} // namespace velmora
