#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace velmora {

// The per-user key/value store: sections and keys of text values, names compared without regard to case.
// Values live in memory and reach the INI file on commit(), which changes only the lines of the keys saved.
// A file that cannot be read is never written, and a store that cannot be written keeps working in memory;
// problem() then says why, from the start. A store that could not read its file at start writes only the values
// that were changed in this run, so that a file repaired meanwhile keeps everything the program never saw.
class SettingsStore {
public:
    // The user's own store: $XDG_CONFIG_HOME/Trevanto/Trevanto.ini.
    SettingsStore();
    // A store kept in the given INI file.
    explicit SettingsStore(const QString& iniPath);
    // Where the user's own store lives.
    static QString userFileName();
    // Puts what is still pending on disk, so a forgotten commit loses nothing.
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or defaultText when the section or key is absent. Never creates anything.
    QString getSetting(const QString& section, const QString& key, const QString& defaultText) const;
    // Stores the text, replacing any earlier value under the same names in whatever case they were stored.
    void saveSetting(const QString& section, const QString& key, const QString& value);
    // Takes the section's keys afresh from the file as it is now, all but those saved here and not yet on disk,
    // so that what another copy of the program wrote there is seen. A file that is gone or cannot be read now
    // changes nothing.
    void rereadSection(const QString& section);

    // Puts every value saved so far into the file as it is now on disk, atomically, so that what another copy
    // of the program wrote to other keys stays. Returns false, with problem() set, when the file cannot be read
    // (it is then left untouched), cannot be written, or cannot hold a value on one line (a line break or
    // another control character but tab: that key keeps its old line, the others are written). Values that did
    // not reach the disk stay in memory and the next commit tries again.
    bool commit();

    QString fileName() const { return m_fileName; }
    // False when the file or its folder exists but cannot be read or understood; problem() then says why. The
    // store then holds only the defaults and what is saved while it runs. A file that does not exist is readable.
    bool isReadable() const { return m_readable; }
    // What is wrong with the store, naming the file and the reason; empty while all is well.
    QString problem() const { return m_problem; }
    // The current problem the first time it is asked for, empty afterwards, so the user is told once.
    QString takeProblemToReport();

private:
    struct Entry {
        QString section, key, value;
    };

    void setProblem(const QString& message);
    bool isUnchangedSinceRead(const QString& id, const QString& value);

    QString m_fileName;
    QHash<QString, Entry> m_entries; // by case-folded "section/key"
    QStringList m_known;             // those ids in the order they became known
    QStringList m_pending;           // saved but not yet on disk, in the order saved
    bool m_readable = true;
    // The file could not be read at start: only values changed since are the program's to write.
    bool m_startedUnread = false;
    mutable QHash<QString, QString> m_handedOut; // while m_startedUnread: what the last read of each key returned
    QSet<QString> m_changed;                     // while m_startedUnread: keys saved with a change
    QString m_problem;
    bool m_problemReported = false;
};

} // namespace velmora
