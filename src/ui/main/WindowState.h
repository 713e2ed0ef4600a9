#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace velmora {

class ItemFields;
class SettingsStore;

// The window's content in the store: restored at start, and saved at every close, a second after every pause in
// editing, and whenever the session ends under the program.
class WindowState : public QObject {
    Q_OBJECT
public:
    WindowState(SettingsStore& store, const ItemFields& fields, QWidget& window);

    // Puts the stored content into the fields; from then on they hold the user's item, and edits are saved.
    void restore();
    // The unload step's save, with what went wrong told.
    void saveOnUnload();

private:
    void save();

    SettingsStore& m_store;
    const ItemFields& m_fields;
    QWidget& m_window;
    QTimer m_saveAfterEdits; // runs from an edit until the user pauses
    bool m_loaded = false;
};

} // namespace velmora
