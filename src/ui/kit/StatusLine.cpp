#include "ui/kit/StatusLine.h"

#include <algorithm>

namespace velmora {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(192, 0, 0));
    setPalette(palette);
    hide();
}

void StatusLine::post(int source, const QString& message) {
    m_messages.removeIf([source](const auto& held) { return held.first == source; });
    m_messages.append({source, message});
    showNewest();
}

void StatusLine::drop(int source) {
    if (m_messages.removeIf([source](const auto& held) { return held.first == source; }) > 0)
        showNewest();
}

bool StatusLine::holds(int source) const {
    return std::any_of(m_messages.begin(), m_messages.end(),
                       [source](const auto& held) { return held.first == source; });
}

void StatusLine::showNewest() {
    setVisible(!m_messages.isEmpty());
    setText(m_messages.isEmpty() ? QString() : m_messages.back().second);
}

} // namespace velmora
