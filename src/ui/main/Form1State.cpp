// The window's load and unload steps: the merchant settings and the first-run prompt at start, and the window
// itself restored from the store at start and saved to it at every close, after every pause in editing, and
// whenever the session ends under the program.
#include "ui/main/Form1.h"

#include "store/MerchantStore.h"
#include "store/SettingKeys.h"
#include "store/SettingValues.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/StoreProblemNotice.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/kit/ControlValues.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QTimer>

using namespace velmora;

Form1::~Form1() {
    // Both windows work on this window's store and settings; they must not outlive them.
    delete m_options;
    delete m_about;
}

void Form1::Form_Load() {
    m_settings = loadMerchantSettings(m_store);
    showSettings();
    // What is wrong with the store comes first; a store that cannot be read says nothing of earlier runs, so
    // it is no first run either.
    noticeStoreProblem(m_store);
    if (const QString warning = sandboxSwitchWarning(m_store); !warning.isEmpty())
        showMessage({.text = warning, .icon = QMessageBox::Warning, .name = QStringLiteral("SandboxSwitchNotice")});
    if (m_store.isReadable() && !hasBeenRun(m_store)) {
        mnuOptions_Click();
        showMessage({.text = QStringLiteral("Please fill in your information.")});
        recordFirstRun(m_store);
    }
    restoreWindowState();
    DaInteger = 0;
    m_loaded = true;
}

// The display may go away at any moment (a logout, the X server ending) and take the program with it: a second
// after the last change the window is on disk, written once per pause rather than at every keystroke. Changes
// by the program after the load step (a clear command, an opened item) were asked for by the user too.
void Form1::saveStateAfterEdits() {
    m_stateSaveTimer = new QTimer(this);
    m_stateSaveTimer->setSingleShot(true);
    m_stateSaveTimer->setInterval(1000);
    connect(m_stateSaveTimer, &QTimer::timeout, this, [this] {
        saveWindowState();
        noticeStoreProblem(m_store, this);
    });
    const auto edited = [this] {
        if (m_loaded)
            m_stateSaveTimer->start();
    };
    for (QWidget* control : m_itemControls)
        onValueChanged(*control, this, edited);
    // The desktop session's own request before it ends.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { saveWindowState(); });
}

// Assigning a check box or kind button runs its handler, so the sets and the note title fall into line
// in table order, exactly as the user's own clicks would have left them.
void Form1::restoreWindowState() {
    for (const SettingKey& key : windowStateKeys())
        setControlValue(*m_itemControls[key.itemValue], readValue(m_store, key));
}

// Every key on every close, hidden and disabled controls included, so nothing typed is lost.
void Form1::saveWindowState() {
    // Before the load step has restored it the window holds its layout's texts, not the user's item.
    if (!m_loaded)
        return;
    for (const SettingKey& key : windowStateKeys())
        writeValue(m_store, key, controlValue(*m_itemControls[key.itemValue], key.kind));
    m_store.commit();
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// Quitting closes the window, so it runs the unload step exactly as the close box does.
void Form1::mnuQuit_Click() {
    close();
}

void Form1::Form_Unload() {
    m_stateSaveTimer->stop();
    saveWindowState();
    noticeStoreProblem(m_store, this);
    closeOtherWindows();
}

void Form1::endSession() {
    // Every event loop ends first, so that a box the unload shows, or one open already, cannot hold the exit up.
    QCoreApplication::exit(0);
    // A main loop that has not started yet (the session ended during the load step) would forget that request.
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    close();
}
