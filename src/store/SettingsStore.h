#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace velmora {

// The per-user key/value store: sections and keys of text values, names compared without regard to case.
// Values live in memory and reach the INI file on commit(). A file that cannot be parsed is never written,
// and a store that cannot be written keeps working in memory; problem() then says why.
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

    // Puts every value saved so far on disk, atomically. Returns false, with problem() set, when the file
    // cannot be parsed (and is therefore left untouched) or cannot be written; the values stay in memory
    // and the next commit tries again.
    bool commit();

    QString fileName() const { return m_fileName; }
    // What is wrong with the store, naming the file and the reason; empty while all is well.
    QString problem() const { return m_problem; }
    // The current problem the first time it is asked for, empty afterwards, so the user is told once.
    QString takeProblemToReport();

private:
    struct Entry {
        QString section, key, value;
    };

    void readFile();
    void setProblem(const QString& message);

    QString m_fileName;
    QHash<QString, Entry> m_entries; // by case-folded "section/key"
    QSet<QString> m_pending;         // saved but not yet on disk
    QString m_problem;
    bool m_problemReported = false;
};

} // namespace velmora
