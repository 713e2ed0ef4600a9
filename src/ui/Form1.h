#pragma once

#include "model/CartItem.h"
#include "model/ItemRecord.h"
#include "model/ItemValues.h"
#include "model/MerchantSettings.h"
#include "store/SettingsStore.h"

#include <QFileDialog>
#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class frmAbout;
class frmOptions;

namespace velmora {
class BuiltControls;
class StatusLine;
} // namespace velmora

// The main window: the merchant describes one item in its fields and turns it into a button form or a link.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Over the user's own settings store.
    explicit Form1(QWidget* parent = nullptr);
    // Over the store kept in the given INI file.
    explicit Form1(const QString& storeFile, QWidget* parent = nullptr);
    ~Form1() override;

    // The load step, run once before the window is first shown: the merchant settings, the first-run
    // prompt, then the window as it was left. Form1State.cpp
    void Form_Load();

    // The session ends under the program (a signal, the desktop going away): the unload step runs as a close
    // runs it, and the program leaves every event loop, modal ones included, with status 0. Form1State.cpp
    void endSession();

    // Opens a document or web address with the program the desktop has registered for it. Form1Windows.cpp
    void RunShellExecute(const QString& sTopic, const QString& sFile, const QString& sParams, const QString& sDirectory,
                         int nShowCmd);

    // The item exactly as the controls hold it now.
    velmora::CartItem currentItem() const;

    // Opens the item file into the window as "Open an Item" does, with the same refusals. Form1Files.cpp
    void openItemFile(const QString& path);
    // Files from outside, from the command line or dropped: the first is opened, and the user is told that the
    // others were not. Form1Files.cpp
    void openItemFiles(const QStringList& paths);

protected:
    // The unload step: every close saves the window, then closes the About box and the options dialog.
    void closeEvent(QCloseEvent* event) override;
    // Item files dropped on the window open as from the command line. Form1Files.cpp
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // One option set's controls, grouped the way its behaviour shows and hides them.
    struct OptionSetControls {
        QCheckBox* use = nullptr;
        QLineEdit* name = nullptr;
        QLabel* nameLabel = nullptr;
        QRadioButton* dropDown = nullptr;
        QRadioButton* textBox = nullptr;
        QPushButton* clear = nullptr;
        std::array<QLineEdit*, 10> values{};
        std::array<QLabel*, 10> numbers{};
    };

    // Form1Layout.cpp
    void buildControls(velmora::BuiltControls& built);
    void buildMenus(velmora::BuiltControls& built);
    void buildStatusBar(velmora::BuiltControls& built);
    // Form1Wiring.cpp: the built controls taken up by name once, then every event connected to its handler.
    void takeControls(const velmora::BuiltControls& built);
    void wireEvents(const velmora::BuiltControls& built);

    // Form1Fields.cpp
    void chkNote_Click(int value);
    void chkOption1Active_Click(int value);
    void chkOption2Active_Click(int value);
    void optSet1DropDown_Click();
    void optSet1TextBox_Click();
    void optSet2DropDown_Click();
    void optSet2TextBox_Click();
    void cmdClearOptions1_Click();
    void cmdClearOptions2_Click();
    void cmdClearAll_Click();
    void setLinkEnabled(bool enabled);
    void showOptionSet(OptionSetControls& set, int value);
    static void setBodyVisible(OptionSetControls& set, bool visible);
    static void setValuesVisible(OptionSetControls& set, bool visible);
    static void clearOptionSet(OptionSetControls& set);

    // Form1Money.cpp: what the status line tells of the money fields, when the user leaves one and when an item's
    // output is made.
    void tellOfMoneyField(int field, const QString& typed);
    void tellOfAmountsMade();
    QString moneyNoticeOf(int field, const QString& typed) const;
    QString moneyFieldName(int field) const;

    // Form1.cpp
    void cmdMakeForm_Click();
    void cmdMakeLink_Click();
    void mnuViewCartForm_Click();
    void mnuViewCartLink_Click();
    void publish(const QString& text);
    void warnOfUnusableAccount();
    void Timer1_Timer();

    // Form1Files.cpp
    void mnuNew_Click();
    velmora::ItemRecord BuildItemRecord() const;
    void LoadItemRecord(const velmora::ItemRecord& record);
    void mnuSave_Click();
    void mnuOpen_Click();
    QString chooseItemFile(QFileDialog::AcceptMode mode);
    void showFileProblem(const QString& message);

    // Form1RecentFiles.cpp
    void rememberItemFile(const QString& path);
    void fillRecentMenu();

    // Form1State.cpp
    void saveStateAfterEdits();
    void restoreWindowState();
    void saveWindowState();
    void Form_Unload();
    void mnuQuit_Click();

    // Form1Windows.cpp
    void mnuOptions_Click();
    void showSettings();
    void mnuPreview_Click();
    void mnuAbout_Click();
    void mnuHelpOnline_Click();
    void closeOtherWindows();

    velmora::SettingsStore m_store;
    velmora::MerchantSettings m_settings;
    // Each made on first use, shown again while open.
    QPointer<frmOptions> m_options;
    QPointer<frmAbout> m_about;
    qint16 DaInteger = 0;
    bool m_loaded = false;              // the controls hold the user's item, restored by the load step
    QTimer* m_stateSaveTimer = nullptr; // runs from an edit until the user pauses
    // The optional lines of the item file last opened, which this version does not know: saving the item writes
    // them back, until New or another Open.
    QList<QByteArray> m_keptItemLines;

    // The fields that hold money, by item field.
    static constexpr std::array<int, 3> MoneyFields{velmora::ItemValueId::Price, velmora::ItemValueId::Shipping1,
                                                    velmora::ItemValueId::Shipping2};

    // The controls of the item, by item value, as itemControls() names them; the others by their own names.
    std::array<QWidget*, velmora::ItemValueId::Count> m_itemControls{};
    std::array<OptionSetControls, 2> m_sets;
    QCheckBox* m_chkNote = nullptr;
    QLineEdit* m_txtNote = nullptr;
    QPushButton* m_cmdMakeLink = nullptr;
    QAction* m_mnuMakeLink = nullptr; // enabled exactly when m_cmdMakeLink is
    QPlainTextEdit* m_txtCode = nullptr;
    QMenu* m_mnuOpenRecent = nullptr;
    QLabel* m_lblCopiedtoClipboard = nullptr;
    velmora::StatusLine* m_statusLine = nullptr;
    QTimer* m_Timer1 = nullptr;
    QFileDialog* m_CommonDialog1 = nullptr; // created on first use, then shared by save and open
};
