#include "store/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringConverter>
#include <algorithm>
#include <optional>

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {

QString entryId(const QString& section, const QString& key) {
    return section.toCaseFolded() + u'/' + key.toCaseFolded();
}

// QSettings matches names exactly; reuse the spelling already in the file so a save replaces the entry.
QString storedSpelling(const QString& name, const QStringList& namesInFile) {
    for (const QString& stored : namesInFile) {
        if (stored.compare(name, Qt::CaseInsensitive) == 0)
            return stored;
    }
    return name;
}

// QSettings reads an unquoted "a, b" as a list; the user meant the text.
QString textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(", "_L1);
    return value.toString();
}

bool isIniLine(QByteArrayView line) {
    const QByteArrayView trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(';') || (trimmed.startsWith('[') && trimmed.endsWith(']')) ||
           trimmed.indexOf('=') > 0;
}

// QSettings' reader silently skips what it does not understand and would drop it on the next write, so a file
// is only ever written when every line is one it understands. Returns why the file cannot be used, if it cannot.
std::optional<QString> unusableBecause(const QString& fileName) {
    const QFileInfo info(fileName);
    if (info.isDir())
        return u"it is a folder, not a file"_s;
    if (!info.exists())
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes); // the decoding runs only when a QString is made
    if (decoder.hasError())
        return u"it is not UTF-8 text"_s;
    // Editors may start UTF-8 text with a byte-order mark; QSettings skips it too. QSettings also ends a line
    // at a carriage return of its own, so the lines are judged as it will read them.
    QByteArray content = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    const QList<QByteArray> lines = content.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!isIniLine(lines[i]))
            return u"line %1 is not a section, a setting or a comment"_s.arg(i + 1);
    }
    // A name QSettings reads as empty (a trailing slash, a byte-order mark alone) would be written back as a
    // line without a name, which the next start would refuse.
    const QStringList keys = QSettings(fileName, QSettings::IniFormat).allKeys();
    if (std::any_of(keys.cbegin(), keys.cend(), [](const QString& key) { return key.isEmpty() || key.endsWith(u'/'); }))
        return u"a setting in it has no name"_s;
    return std::nullopt;
}

QString unusableMessage(const QString& fileName, const QString& reason) {
    return u"The settings file %1 cannot be read: %2. It is left as it is; settings changed now are kept only "
           u"until the program closes."_s.arg(QDir::toNativeSeparators(fileName), reason);
}

// QSettings only says that the write failed; find out why for the message.
QString writeFailureReason(const QString& fileName) {
    // QSettings makes missing folders itself, so a folder is to blame only when a file stands in its place.
    QFileInfo ancestor(QFileInfo(fileName).absolutePath());
    while (!ancestor.exists() && !ancestor.isRoot())
        ancestor.setFile(ancestor.absolutePath());
    if (!ancestor.isDir())
        return u"%1 is a file, so no folder can be made there"_s.arg(QDir::toNativeSeparators(ancestor.filePath()));
    QSaveFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.cancelWriting();
    return u"the disk refused the write"_s;
}

QString writeFailureMessage(const QString& fileName) {
    return u"The settings cannot be saved to %1: %2. Settings changed now are kept only until the program "
           u"closes."_s.arg(QDir::toNativeSeparators(fileName), writeFailureReason(fileName));
}

} // namespace

QString SettingsStore::userFileName() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"Trevanto"_s, u"Trevanto"_s).fileName();
}

SettingsStore::SettingsStore() : SettingsStore(userFileName()) {}

SettingsStore::SettingsStore(const QString& iniPath) : m_fileName(iniPath) {
    readFile();
}

SettingsStore::~SettingsStore() {
    commit();
}

QString SettingsStore::getSetting(const QString& section, const QString& key, const QString& defaultText) const {
    const auto found = m_entries.constFind(entryId(section, key));
    return found == m_entries.cend() ? defaultText : found->value;
}

void SettingsStore::saveSetting(const QString& section, const QString& key, const QString& value) {
    const QString id = entryId(section, key);
    if (const auto found = m_entries.find(id); found != m_entries.end())
        found->value = value;
    else
        m_entries.insert(id, Entry{section, key, value});
    m_pending.insert(id);
}

bool SettingsStore::commit() {
    if (m_pending.isEmpty())
        return true;
    if (const auto reason = unusableBecause(m_fileName)) {
        setProblem(unusableMessage(m_fileName, *reason));
        return false;
    }
    // A file that went away while we ran gets back everything we know, not only what changed since.
    if (!QFileInfo::exists(m_fileName)) {
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
            m_pending.insert(it.key());
    }
    QSettings file(m_fileName, QSettings::IniFormat);
    for (const QString& id : std::as_const(m_pending)) {
        const Entry& entry = m_entries[id];
        file.beginGroup(storedSpelling(entry.section, file.childGroups()));
        file.setValue(storedSpelling(entry.key, file.childKeys()), entry.value);
        file.endGroup();
    }
    file.sync();
    if (file.status() != QSettings::NoError) {
        setProblem(writeFailureMessage(m_fileName));
        return false;
    }
    m_pending.clear();
    setProblem({});
    return true;
}

QString SettingsStore::takeProblemToReport() {
    if (m_problemReported)
        return {};
    m_problemReported = true;
    return m_problem;
}

void SettingsStore::readFile() {
    if (const auto reason = unusableBecause(m_fileName))
        setProblem(unusableMessage(m_fileName, *reason));
    // Even a file that cannot be written back is read as far as it goes, so the user keeps what it holds.
    QSettings file(m_fileName, QSettings::IniFormat);
    for (const QString& section : file.childGroups()) {
        file.beginGroup(section);
        for (const QString& key : file.childKeys()) {
            if (key.isEmpty())
                continue; // a "=value" line, already reported as unparsable
            const QString id = entryId(section, key);
            if (!m_entries.contains(id))
                m_entries.insert(id, Entry{section, key, textOf(file.value(key))});
        }
        file.endGroup();
    }
}

void SettingsStore::setProblem(const QString& message) {
    if (message == m_problem)
        return;
    m_problem = message;
    m_problemReported = false;
}

} // namespace velmora
