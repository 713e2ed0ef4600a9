#pragma once

#include <QLabel>
#include <QList>

#include <utility>

namespace velmora {

// The line under the main window's layout, for what the merchant should know without being stopped. Each source
// (a money field by its item value's id, the account) holds at most one message; the newest shows, and when it is
// taken back the one before it shows again.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    static constexpr int Account = -1;
    static constexpr int PaymentLink = -2; // what publishing a payment link is doing, or did
    static constexpr int Retirement = -3;  // that cart buttons may stop working
    static constexpr int LeftOut = -4;     // what the item holds that its kind of button leaves out

    explicit StatusLine(QWidget* parent = nullptr);

    // Replaces what the source said before, and shows.
    void post(int source, const QString& message);
    void drop(int source);
    bool holds(int source) const;

private:
    void showNewest();

    QList<std::pair<int, QString>> m_messages; // the oldest first
};

} // namespace velmora
