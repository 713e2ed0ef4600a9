#pragma once

#include <QObject>

#include <vector>

class Form1;
class QAction;
class QPushButton;

namespace velmora {

class BuiltControls;
class OutputPublisher;
class StatusNotices;
struct CartItem;
struct MerchantSettings;
struct Output;
struct OutputRequest;

// The Make menu and the make buttons, from the table of what Velmora makes: each output with a command of the
// window's is made from it, and from its button if it has one, and both are offered exactly while the item allows
// that output. A page goes to the browser; everything else to the code box and the clipboard.
class MakeMenu : public QObject {
    Q_OBJECT
public:
    MakeMenu(const BuiltControls& built, Form1& window, const MerchantSettings& settings, OutputPublisher& publisher,
             StatusNotices& notices);

    // Offers what can be made for the item, and withholds the rest.
    void offerFor(const CartItem& item);

private:
    struct Command {
        const Output* output;
        QAction* action;
        QPushButton* button; // none for an output the menu alone makes
    };

    void make(const Output& output);
    // Says what is wrong with the item for the output, if anything is.
    bool tellOfProblems(const Output& output, const OutputRequest& request);
    void preview(const QString& page);

    Form1& m_window;
    const MerchantSettings& m_settings;
    OutputPublisher& m_publisher;
    StatusNotices& m_notices;
    std::vector<Command> m_commands;
};

} // namespace velmora
