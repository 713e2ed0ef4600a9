#include "ui/main/Form1.h"

#include "model/ItemRecord.h"
#include "store/MerchantStore.h"
#include "store/SettingValues.h"
#include "ui/desktop/HelpPage.h"
#include "ui/desktop/ShellExecute.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/StoreProblemNotice.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/kit/AppIcon.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/StatusLine.h"
#include "ui/main/FileMenu.h"
#include "ui/main/ItemFields.h"
#include "ui/main/LinkPublisher.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MakeMenu.h"
#include "ui/main/OutputPublisher.h"
#include "ui/main/StatusNotices.h"
#include "ui/main/WindowState.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>

using namespace velmora;
using namespace Qt::StringLiterals;

Form1::Form1(QWidget* parent) : Form1(SettingsStore::userFileName(), parent) {}

Form1::Form1(const QString& storeFile, QWidget* parent) : QMainWindow(parent), m_store(storeFile) {
    setWindowIcon(appIcon());
    const BuiltControls built = buildMainWindow(*this);
    m_fields = std::make_unique<ItemFields>(built);
    m_publisher = std::make_unique<OutputPublisher>(built, *this);
    m_notices = std::make_unique<StatusNotices>(*m_fields, built.get<StatusLine>(u"lblStatusLine"_s), m_settings);
    m_files = std::make_unique<FileMenu>(built, *m_fields, m_store, *this);
    m_state = std::make_unique<WindowState>(m_store, *m_fields, *this);
    m_make = std::make_unique<MakeMenu>(built, *this, m_settings, *m_publisher, *m_notices);
    m_links = std::make_unique<LinkPublisher>(built, *this, m_settings, *m_publisher,
                                              built.get<StatusLine>(u"lblStatusLine"_s));

    connect(m_fields.get(), &ItemFields::moneyFieldLeft, m_notices.get(), &StatusNotices::tellOfField);
    const auto offer = [this] { m_make->offerFor(currentItem()); };
    connect(m_fields.get(), &ItemFields::optionSet1Changed, m_make.get(), offer);
    onValueChanged(m_fields->control(ItemValueId::ButtonType), m_make.get(), offer);
    connect(m_fields.get(), &ItemFields::itemChanged, m_notices.get(),
            [this] { m_notices->tellOfItem(currentItem()); });
    const std::pair<const char*, void (Form1::*)()> commands[] = {
        {"mnuQuit", &Form1::mnuQuit_Click},
        {"mnuOptions", &Form1::mnuOptions_Click},
        {"mnuAbout", &Form1::mnuAbout_Click},
        {"mnuHelpOnline", &Form1::mnuHelpOnline_Click},
    };
    for (const auto& [name, handler] : commands)
        onCommand(built.get<QObject>(QLatin1StringView(name)), this, [this, handler] { (this->*handler)(); });
    showSettings();
    setAcceptDrops(true);
}

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
        showMessage({.text = warning, .icon = QMessageBox::Warning, .name = u"SandboxSwitchNotice"_s});
    if (m_store.isReadable() && !hasBeenRun(m_store)) {
        mnuOptions_Click();
        showMessage({.text = u"Please fill in your information."_s});
        recordFirstRun(m_store);
    }
    m_state->restore();
    m_publisher->resetNotice();
}

// The window holds exactly what an item file of its controls would: read it the way opening one does, so the
// window and velmora-cli can never tell one item two ways.
CartItem Form1::currentItem() const {
    return cartItemFromRecord(m_files->BuildItemRecord());
}

void Form1::openItemFile(const QString& path) {
    m_files->openItemFile(path);
}

void Form1::openItemFiles(const QStringList& paths) {
    m_files->openItemFiles(paths);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    m_files->dragEnterEvent(event);
}

void Form1::dropEvent(QDropEvent* event) {
    m_files->dropEvent(event);
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
    m_state->saveOnUnload();
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

void Form1::mnuOptions_Click() {
    frmOptions::showInstance(m_options, m_store, m_settings, this);
    connect(m_options, &frmOptions::saved, this, &Form1::showSettings, Qt::UniqueConnection);
}

// What the window tells of the saved settings.
void Form1::showSettings() {
    // So that no merchant pastes a test button into a live shop unawares.
    const QString title = u"Velmora for the Paypal Shopping Cart System."_s;
    setWindowTitle(m_settings.UseSandbox ? title + u" (sandbox: test payments only)"_s : title);
    m_notices->settingsSaved();
}

void Form1::mnuAbout_Click() {
    frmAbout::showInstance(m_about);
}

void Form1::mnuHelpOnline_Click() {
    RunShellExecute(u"Open"_s, helpPageUrl().toString(), u"0"_s, u"0"_s, 1);
}

// The desktop's opener only opens: it has no verb, parameters, working directory or window style to pass on.
void Form1::RunShellExecute([[maybe_unused]] const QString& sTopic, const QString& sFile,
                            [[maybe_unused]] const QString& sParams, [[maybe_unused]] const QString& sDirectory,
                            [[maybe_unused]] int nShowCmd) {
    // A bare path becomes a file address, so the opener never takes a name starting with "-" for an option.
    ShellExecute::open(QUrl::fromUserInput(sFile, QDir::currentPath(), QUrl::AssumeLocalFile));
}

void Form1::closeOtherWindows() {
    if (m_about)
        m_about->close();
    if (m_options) {
        // The dialog's close asks for the main window, which is on its way out and must stay so.
        disconnect(m_options, nullptr, this, nullptr);
        m_options->close();
    }
}
