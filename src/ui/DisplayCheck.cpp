#include "ui/DisplayCheck.h"

#include <QStringList>

#include <algorithm>

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

} // namespace

QString missingDisplayReason(const QProcessEnvironment& environment) {
    const auto isSet = [&environment](const QString& name) { return !environment.value(name).isEmpty(); };
    if (isSet(QStringLiteral("DISPLAY")) || isSet(QStringLiteral("WAYLAND_DISPLAY")) ||
        namesDisplaylessPlatform(environment.value(QStringLiteral("QT_QPA_PLATFORM"))))
        return {};
    return QStringLiteral("velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                          "start it from a desktop session.");
}

} // namespace velmora
