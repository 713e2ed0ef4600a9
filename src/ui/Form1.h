#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"
#include "store/ItemRecord.h"

#include <QFileDialog>
#include <QMainWindow>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// The main window: the merchant describes one item in its fields and turns it into a button form or a link.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // The item exactly as the controls hold it now.
    velmora::CartItem currentItem() const;

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
    void buildControls();
    void buildMenus();
    // Form1Wiring.cpp
    void findControls();
    void wireEvents();

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
    void mnuNew_Click();
    void showOptionSet(OptionSetControls& set, int value);
    static void setBodyVisible(OptionSetControls& set, bool visible);
    static void setValuesVisible(OptionSetControls& set, bool visible);
    static void clearOptionSet(OptionSetControls& set);

    // Form1.cpp
    void cmdMakeForm_Click();
    void cmdMakeLink_Click();
    void publish(const QString& text);
    void Timer1_Timer();

    // Form1Files.cpp
    velmora::ItemRecord BuildItemRecord() const;
    void LoadItemRecord(const velmora::ItemRecord& record);
    void mnuSave_Click();
    void mnuOpen_Click();
    QString chooseItemFile(QFileDialog::AcceptMode mode);
    void showFileProblem(const QString& message);

    // Any control by its objectName, for the tables that restore or load the window.
    QString controlText(const QString& name) const;
    void setControlText(const QString& name, const QString& text);
    int checkValue(const QString& name) const;
    bool setCheckValue(const QString& name, int value);
    bool isSelected(const QString& name) const;
    void setSelected(const QString& name, bool selected);
    template <class Control> Control* control(const QString& name) const {
        auto* found = findChild<Control*>(name);
        Q_ASSERT_X(found, "Form1::control", qPrintable(name));
        return found;
    }

    velmora::MerchantSettings m_settings;
    qint16 DaInteger = 0;

    std::array<OptionSetControls, 2> m_sets;
    QCheckBox* m_chkNote = nullptr;
    QLineEdit* m_txtNote = nullptr;
    QPushButton* m_cmdMakeLink = nullptr;
    QPlainTextEdit* m_txtCode = nullptr;
    QLabel* m_lblCopiedtoClipboard = nullptr;
    QTimer* m_Timer1 = nullptr;
    QFileDialog* m_CommonDialog1 = nullptr; // created on first use, then shared by save and open
};
