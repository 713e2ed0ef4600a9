// The window's load and unload steps: the merchant settings and the first-run prompt at start, and the window
// itself restored from the store at start and saved to it at every close.
#include "ui/Form1.h"

#include "store/MerchantStore.h"
#include "store/SettingKeys.h"
#include "store/TextForms.h"
#include "ui/ApplicationTitle.h"
#include "ui/StoreProblemNotice.h"
#include "ui/frmAbout.h"
#include "ui/frmOptions.h"

#include <QCloseEvent>
#include <QMessageBox>

using namespace velmora;

Form1::~Form1() {
    // Both windows work on this window's store and settings; they must not outlive them.
    delete m_options;
    delete m_about;
}

void Form1::Form_Load() {
    m_settings = loadMerchantSettings(m_store);
    if (!hasBeenRun(m_store)) {
        frmOptions::showInstance(m_options, m_store, m_settings, this);
        QMessageBox prompt(QMessageBox::NoIcon, velmora::applicationTitle(),
                           QStringLiteral("Please fill in your information."), QMessageBox::Ok);
        prompt.exec();
        recordFirstRun(m_store);
    }
    restoreWindowState();
    DaInteger = 0;
    noticeStoreProblem(m_store);
}

// Assigning a check box or kind button runs its handler, so the sets and the note title fall into line
// in table order, exactly as the user's own clicks would have left them.
void Form1::restoreWindowState() {
    for (const SettingKey& key : windowStateKeys()) {
        const QString name = key.control;
        switch (key.kind) {
        case SettingKind::Text:
            setControlText(name, readText(m_store, key));
            break;
        case SettingKind::CheckBox:
            setCheckValue(name, readCheckBox(m_store, key));
            break;
        case SettingKind::OptionButton:
        case SettingKind::Boolean:
            setSelected(name, readBoolean(m_store, key));
            break;
        }
    }
}

// Every key on every close, hidden and disabled controls included, so nothing typed is lost.
void Form1::saveWindowState() {
    for (const SettingKey& key : windowStateKeys()) {
        const QString name = key.control;
        switch (key.kind) {
        case SettingKind::Text:
            writeText(m_store, key, controlText(name));
            break;
        case SettingKind::CheckBox:
            writeCheckBox(m_store, key, checkValue(name));
            break;
        case SettingKind::OptionButton:
        case SettingKind::Boolean:
            writeBoolean(m_store, key, isSelected(name));
            break;
        }
    }
    m_store.commit();
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload() {
    saveWindowState();
    noticeStoreProblem(m_store, this);
    closeOtherWindows();
}
