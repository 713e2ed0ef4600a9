#pragma once

#include "model/ItemRecord.h"

#include <QByteArray>
#include <QFileDialog>
#include <QList>
#include <QObject>

class QDragEnterEvent;
class QDropEvent;
class QMenu;

namespace velmora {

class BuiltControls;
class ItemFields;
class SettingsStore;

// The File menu's new, save and open: the window's controls as an item record and back, through one file dialog; item
// files handed to the window from outside, on the command line or dropped on it; and the recent item files.
class FileMenu : public QObject {
    Q_OBJECT
public:
    FileMenu(const BuiltControls& built, ItemFields& fields, SettingsStore& store, QWidget& window);

    ItemRecord BuildItemRecord() const;
    void LoadItemRecord(const ItemRecord& record);

    // Opens the item file into the window as "Open an Item" does, with the same refusals.
    void openItemFile(const QString& path);
    // Files from outside, from the command line or dropped: the first is opened, and the user is told that the
    // others were not.
    void openItemFiles(const QStringList& paths);
    // Item files dropped on the window open as from the command line.
    void dragEnterEvent(QDragEnterEvent* event) const;
    void dropEvent(QDropEvent* event);

private:
    void mnuNew_Click();
    void mnuSave_Click();
    void mnuOpen_Click();
    QString chooseItemFile(QFileDialog::AcceptMode mode);
    void showFileProblem(const QString& message);
    void rememberItemFile(const QString& path);
    void fillRecentMenu();

    ItemFields& m_fields;
    SettingsStore& m_store;
    QWidget& m_window;
    QMenu& m_mnuOpenRecent;
    QFileDialog* m_CommonDialog1 = nullptr; // created on first use, then shared by save and open
    // The optional lines of the item file last opened, which this version does not know: saving the item writes
    // them back, until New or another Open.
    QList<QByteArray> m_keptItemLines;
};

} // namespace velmora
