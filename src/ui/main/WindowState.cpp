#include "ui/main/WindowState.h"

#include "store/SettingKeys.h"
#include "store/SettingValues.h"
#include "store/SettingsStore.h"
#include "ui/dialogs/StoreProblemNotice.h"
#include "ui/kit/ControlValues.h"
#include "ui/main/ItemFields.h"

#include <QGuiApplication>

namespace velmora {

// The display may go away at any moment (a logout, the X server ending) and take the program with it: a second
// after the last change the window is on disk, written once per pause rather than at every keystroke. Changes
// by the program after the load step (a clear command, an opened item) were asked for by the user too.
WindowState::WindowState(SettingsStore& store, const ItemFields& fields, QWidget& window)
    : m_store(store), m_fields(fields), m_window(window) {
    m_saveAfterEdits.setSingleShot(true);
    m_saveAfterEdits.setInterval(1000);
    connect(&m_saveAfterEdits, &QTimer::timeout, this, [this] {
        save();
        noticeStoreProblem(m_store, &m_window);
    });
    connect(&m_fields, &ItemFields::itemChanged, this, [this] {
        if (m_loaded)
            m_saveAfterEdits.start();
    });
    // The desktop session's own request before it ends.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { save(); });
}

// Assigning a check box or kind button runs its handler, so the sets and the note title fall into line
// in table order, exactly as the user's own clicks would have left them.
void WindowState::restore() {
    for (const SettingKey& key : windowStateKeys())
        setControlValue(m_fields.control(key.itemValue), readValue(m_store, key));
    m_loaded = true;
}

void WindowState::saveOnUnload() {
    m_saveAfterEdits.stop();
    save();
    noticeStoreProblem(m_store, &m_window);
}

// Every key on every close, hidden and disabled controls included, so nothing typed is lost.
void WindowState::save() {
    // Before the load step has restored it the window holds its layout's texts, not the user's item.
    if (!m_loaded)
        return;
    for (const SettingKey& key : windowStateKeys())
        writeValue(m_store, key, controlValue(m_fields.control(key.itemValue), key.kind));
    m_store.commit();
}

} // namespace velmora
