// The File menu's recent item files: every file opened or saved, offered again most recent first.
#include "ui/main/Form1.h"

#include "store/RecentFiles.h"

#include <QDir>
#include <QMenu>

using namespace velmora;

void Form1::rememberItemFile(const QString& path) {
    saveRecentFiles(m_store, withRecentFile(rereadRecentFiles(m_store), path));
}

// Run as the File menu opens: files gone since drop out for good, so that every entry offered can be opened.
void Form1::fillRecentMenu() {
    const QStringList recent = rereadRecentFiles(m_store);
    const QStringList existing = withoutMissingFiles(recent);
    if (existing != recent)
        saveRecentFiles(m_store, existing);

    m_mnuOpenRecent->clear();
    for (qsizetype i = 0; i < existing.size(); ++i) {
        const QString& path = existing[i];
        // An "&" in a file name would otherwise take the access key.
        const QString caption = QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"));
        QAction* entry = m_mnuOpenRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        connect(entry, &QAction::triggered, this, [this, path] { openItemFile(path); });
    }
    m_mnuOpenRecent->setEnabled(!existing.isEmpty());
}
