#include "ui/main/OutputPublisher.h"

#include "ui/dialogs/Dialogs.h"
#include "ui/kit/BuiltControls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace velmora {

OutputPublisher::OutputPublisher(const BuiltControls& built, QWidget& window)
    : m_window(window), m_txtCode(built.get<QPlainTextEdit>(QStringLiteral("txtCode"))),
      m_lblCopiedtoClipboard(built.get<QLabel>(QStringLiteral("lblCopiedtoClipboard"))), m_Timer1(new QTimer(&window)) {
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setInterval(300);
    connect(m_Timer1, &QTimer::timeout, this, &OutputPublisher::Timer1_Timer);
}

void OutputPublisher::publish(const QString& text) {
    m_txtCode.setPlainText(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    // Another program can hold or grab the clipboard; then the notice would tell a falsehood.
    if (clipboard->text() != text) {
        showMessage({.text = QStringLiteral("The text could not be put on the clipboard. Copy it from the code box."),
                     .icon = QMessageBox::Warning,
                     .parent = &m_window});
        return;
    }
    // A running notice carries on undisturbed; restarting the timer would stretch it.
    if (!m_Timer1->isActive())
        m_Timer1->start();
}

// Blinks the notice: shown on odd ticks, hidden on even ones, done at the eleventh.
void OutputPublisher::Timer1_Timer() {
    ++DaInteger;
    if (!m_lblCopiedtoClipboard.isHidden()) {
        m_lblCopiedtoClipboard.hide();
        return;
    }
    m_lblCopiedtoClipboard.show();
    if (DaInteger > 10) {
        m_Timer1->stop();
        m_lblCopiedtoClipboard.hide();
        DaInteger = 0;
    }
}

} // namespace velmora
