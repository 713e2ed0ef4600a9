#include "ui/dialogs/frmAbout.h"

#include "ui/kit/AppIcon.h"
#include "ui/kit/ControlRows.h"
#include "ui/kit/Twips.h"

#include <QLabel>
#include <QMouseEvent>

#include <array>

using velmora::fromTwips;
using namespace Qt::StringLiterals;

namespace {

using velmora::ControlKind;

// A label sized to its text, on the black panel.
velmora::ControlRow label(const char* name, const QRect& twips, const QString& caption, const QColor& colour,
                          qreal points, bool bold) {
    return {.kind = ControlKind::Label,
            .name = QLatin1StringView(name),
            .twips = twips,
            .caption = caption,
            .textColour = colour,
            .bold = bold,
            .pointSize = points,
            .autoSize = true};
}

std::array<velmora::ControlRow, 5> aboutRows() {
    const QColor orange(255, 128, 0);
    const QColor white(255, 255, 255);
    return {{
        label("Label1", {240, 120, 3120, 360}, u"Velmora."_s, orange, 13.5, true),
        label("Label2", {1440, 430, 3195, 195}, u"The essential Velmora."_s, white, 8.25, false),
        label("Label3", {3360, 120, 795, 195}, QStringLiteral("Version " VELMORA_VERSION), white, 8.25, false),
        label("Label4", {1320, 840, 2115, 195}, u"Copyright \u00a9 2026 the Velmora authors."_s, orange, 8.25, false),
        label("Label5", {1440, 1200, 1935, 195}, u"click here to continue."_s, white, 8.25, true),
    }};
}

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

    const auto rows = aboutRows();
    const velmora::BuiltControls built = velmora::buildControls(rows, *this);
    QSize needed(fromTwips(4785), fromTwips(1650));
    for (const velmora::ControlRow& row : rows) {
        const QRect label = built.get<QLabel>(row.name).geometry();
        // Fonts here run wider than the layout was drawn for: grow rather than clip a line.
        needed = needed.expandedTo(QSize(label.right() + fromTwips(150), label.bottom() + fromTwips(120)));
    }
    m_continue = &built.get<QLabel>(u"Label5"_s);
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
