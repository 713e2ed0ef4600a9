#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"
#include "store/SettingsStore.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class frmAbout;
class frmOptions;

namespace velmora {
class FileMenu;
class ItemFields;
class LinkPublisher;
class MakeMenu;
class OutputPublisher;
class StatusNotices;
class WindowState;
} // namespace velmora

// The main window: the merchant describes one item in its fields and turns it into a button form or a link. What
// it does is done by the collaborators it is made of: the item's fields, the File menu, the Make menu with the
// publishing of what it makes, the status line's notices and the window's state in the store.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Over the user's own settings store.
    explicit Form1(QWidget* parent = nullptr);
    // Over the store kept in the given INI file.
    explicit Form1(const QString& storeFile, QWidget* parent = nullptr);
    ~Form1() override;

    // The load step, run once before the window is first shown: the merchant settings, the first-run
    // prompt, then the window as it was left.
    void Form_Load();

    // The session ends under the program (a signal, the desktop going away): the unload step runs as a close
    // runs it, and the program leaves every event loop, modal ones included, with status 0.
    void endSession();

    // Opens a document or web address with the program the desktop has registered for it.
    void RunShellExecute(const QString& sTopic, const QString& sFile, const QString& sParams, const QString& sDirectory,
                         int nShowCmd);

    // The item exactly as the controls hold it now.
    velmora::CartItem currentItem() const;

    // Opens the item file into the window as "Open an Item" does, with the same refusals.
    void openItemFile(const QString& path);
    // Files from outside, from the command line or dropped: the first is opened, and the user is told that the
    // others were not.
    void openItemFiles(const QStringList& paths);

protected:
    // The unload step: every close saves the window, then closes the About box and the options dialog.
    void closeEvent(QCloseEvent* event) override;
    // Item files dropped on the window open as from the command line.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Unload();
    void mnuQuit_Click();
    void mnuOptions_Click();
    void showSettings();
    void mnuAbout_Click();
    void mnuHelpOnline_Click();
    void closeOtherWindows();

    velmora::SettingsStore m_store;
    velmora::MerchantSettings m_settings;
    // Each made on first use, shown again while open.
    QPointer<frmOptions> m_options;
    QPointer<frmAbout> m_about;

    std::unique_ptr<velmora::ItemFields> m_fields;
    std::unique_ptr<velmora::OutputPublisher> m_publisher;
    std::unique_ptr<velmora::StatusNotices> m_notices;
    std::unique_ptr<velmora::FileMenu> m_files;
    std::unique_ptr<velmora::WindowState> m_state;
    std::unique_ptr<velmora::MakeMenu> m_make;
    std::unique_ptr<velmora::LinkPublisher> m_links;
};
