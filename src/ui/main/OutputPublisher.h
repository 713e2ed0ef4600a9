#pragma once

#include <QObject>

class QLabel;
class QPlainTextEdit;
class QTimer;
class QWidget;

namespace velmora {

class BuiltControls;

// Puts what the window made where the merchant takes it from, the code box and the clipboard, and blinks the
// notice that says it was copied: Timer1 shows it on odd ticks and hides it on even ones, DaInteger counting them.
class OutputPublisher : public QObject {
    Q_OBJECT
public:
    OutputPublisher(const BuiltControls& built, QWidget& window);

    void publish(const QString& text);
    // The load step starts the count afresh.
    void resetNotice() { DaInteger = 0; }

private:
    void Timer1_Timer();

    QWidget& m_window;
    QPlainTextEdit& m_txtCode;
    QLabel& m_lblCopiedtoClipboard;
    QTimer* m_Timer1;
    qint16 DaInteger = 0;
};

} // namespace velmora
