#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

// The About box: a borderless black panel that only its last line closes.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Creates the box into `box` unless one is open there, then shows it and brings it forward.
    static void showInstance(QPointer<frmAbout>& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_continue = nullptr;
};
