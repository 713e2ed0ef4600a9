#include "ui/desktop/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The build defines both from where the page is installed, so it is looked for where it is put.
#if !defined(VELMORA_HELP_FROM_BINDIR) || !defined(VELMORA_HELP_SOURCE_DIR)
#error "VELMORA_HELP_FROM_BINDIR and VELMORA_HELP_SOURCE_DIR must be defined"
#endif

namespace velmora {

QUrl helpPageUrl() {
    // Relative to the executable, so an install under any prefix finds its own copy.
    const QDir binDir(QCoreApplication::applicationDirPath());
    const QString installed = binDir.filePath(QStringLiteral(VELMORA_HELP_FROM_BINDIR "/index.html"));
    const QString page =
        QFileInfo::exists(installed) ? installed : QStringLiteral(VELMORA_HELP_SOURCE_DIR "/index.html");
    return QUrl::fromLocalFile(QDir::cleanPath(page));
}

} // namespace velmora
