#include "ui/desktop/DisplayCheck.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace velmora {

namespace {

// QT_QPA_PLATFORM may list fallbacks ("wayland;xcb") and carry options ("offscreen:fontengine=...").
bool namesDisplaylessPlatform(const QString& platforms) {
    static const QStringList displayless{QStringLiteral("offscreen"), QStringLiteral("minimal")};
    const QStringList candidates = platforms.split(u';', Qt::SkipEmptyParts);
    return std::any_of(candidates.begin(), candidates.end(), [](const QString& candidate) {
        return displayless.contains(candidate.section(u':', 0, 0).trimmed());
    });
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

// The platform plugin says what it could not reach ("could not connect to display :9") before giving up.
QString firstPlatformComplaint() {
    for (const HeldMessage& message : *heldMessages) {
        if (message.type == QtWarningMsg && message.text.contains(QStringLiteral("display")))
            return message.text;
    }
    return QStringLiteral("no platform could open a window");
}

void holdOrStop(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages->append({type, context.category, text});
        return;
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    std::fprintf(stderr, "velmora: cannot open the window on display \"%s\" (%s); start it from a desktop session.\n",
                 qPrintable(display), qPrintable(firstPlatformComplaint()));
    // Nothing has been set up yet that an orderly exit would have to take down.
    std::_Exit(1);
}

} // namespace

QString missingDisplayReason(const QProcessEnvironment& environment) {
    const auto isSet = [&environment](const QString& name) { return !environment.value(name).isEmpty(); };
    if (isSet(QStringLiteral("DISPLAY")) || isSet(QStringLiteral("WAYLAND_DISPLAY")) ||
        namesDisplaylessPlatform(environment.value(QStringLiteral("QT_QPA_PLATFORM"))))
        return {};
    return QStringLiteral("velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                          "start it from a desktop session.");
}

DisplayConnectionGuard::DisplayConnectionGuard() {
    heldMessages = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(holdOrStop);
}

void DisplayConnectionGuard::connected() {
    if (!heldMessages)
        return;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : *heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    delete std::exchange(heldMessages, nullptr);
}

} // namespace velmora
