#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <utility>

class QLabel;
class QLayout;
class QLineEdit;

namespace velmora {
class BuiltControls;
class SettingsStore;
struct MerchantSettings;
} // namespace velmora

// The merchant settings editor: modeless, without owner, deleted when closed. Its controls come from the store
// when it is created; every save and every close puts them all into the shared MerchantSettings and the store.
class frmOptions : public QWidget {
    Q_OBJECT
public:
    frmOptions(velmora::SettingsStore& store, velmora::MerchantSettings& settings);

    // Creates the dialog into `dialog` unless one is open there (its unsaved texts stay), then shows it and
    // brings it forward. The dialog hands the user back to `mainWindow` when it asks for the main window.
    static void showInstance(QPointer<frmOptions>& dialog, velmora::SettingsStore& store,
                             velmora::MerchantSettings& settings, QWidget* mainWindow);

signals:
    // After a save or a close: the main window should be shown.
    void mainWindowRequested();
    // The settings were put into the shared MerchantSettings and the store.
    void saved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLayout* makeButtons(const velmora::BuiltControls& built);
    void applyControls();
    void setUpSecrets(const velmora::BuiltControls& built);
    void tellKeyringProblem(const QString& problem);
    void testConnection();
    void saveSecrets();
    QLineEdit& idBox(std::size_t pair) const;

    velmora::SettingsStore& m_store;
    velmora::MerchantSettings& m_settings;
    std::array<QWidget*, 10> m_controls{}; // one for each setting, in the settings' order
    std::array<QLineEdit*, 2> m_secrets{}; // live, then sandbox
    // The client ID and secret each box last showed as the keyring's or saved: saving them again changes nothing.
    std::array<std::pair<QString, QString>, 2> m_loadedSecrets{};
    QLabel* m_testResult = nullptr;
};
