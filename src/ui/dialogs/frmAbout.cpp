#include "ui/dialogs/frmAbout.h"

#include "ui/kit/AppIcon.h"
#include "ui/kit/Twips.h"

#include <QLabel>
#include <QMouseEvent>

using velmora::fromTwips;

namespace {

const QColor Orange(255, 128, 0);
const QColor White(255, 255, 255);

struct LabelRow {
    const char* name;
    int left;
    int top;
    const char* caption;
    QColor colour;
    qreal points;
    bool bold;
};

} // namespace

frmAbout::frmAbout(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About..."));
    setWindowIcon(velmora::appIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    const LabelRow rows[] = {
        {"Label1", 240, 120, "Velmora.", Orange, 13.5, true},
        {"Label2", 1440, 430, "The essential Velmora.", White, 8.25, false},
        {"Label3", 3360, 120, "Version " VELMORA_VERSION, White, 8.25, false},
        {"Label4", 1320, 840, "Copyright \u00a9 2026 the Velmora authors.", Orange, 8.25, false},
        {"Label5", 1440, 1200, "click here to continue.", White, 8.25, true},
    };
    QSize needed(fromTwips(4785), fromTwips(1650));
    for (const LabelRow& row : rows) {
        auto* label = new QLabel(QString::fromUtf8(row.caption), this);
        label->setObjectName(QString::fromLatin1(row.name));
        QFont font = label->font();
        font.setPointSizeF(row.points);
        font.setBold(row.bold);
        label->setFont(font);
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, row.colour);
        label->setPalette(text);
        label->move(fromTwips(row.left), fromTwips(row.top));
        label->adjustSize();
        // Fonts here run wider than the layout was drawn for: grow rather than clip a line.
        needed = needed.expandedTo(
            QSize(label->geometry().right() + fromTwips(150), label->geometry().bottom() + fromTwips(120)));
    }
    m_continue = findChild<QLabel*>(QStringLiteral("Label5"));
    m_continue->setCursor(Qt::PointingHandCursor);
    m_continue->installEventFilter(this);
    setFixedSize(needed);
}

void frmAbout::showInstance(QPointer<frmAbout>& box) {
    if (!box)
        box = new frmAbout;
    box->show();
    box->raise();
    box->activateWindow();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_continue && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_continue->rect().contains(mouse->position().toPoint())) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
