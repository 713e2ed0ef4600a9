#include "store/NativeFileName.h"
#include "ui/desktop/DisplayCheck.h"
#include "ui/desktop/TerminationSignals.h"
#include "ui/main/Form1.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
    // Answered before the display check, so that it needs no display.
    if (std::find(argv + 1, argv + argc, std::string_view("--version")) != argv + argc) {
        std::printf("velmora %s\n", VELMORA_VERSION);
        return 0;
    }
    if (const QString reason = velmora::missingDisplayReason(QProcessEnvironment::systemEnvironment());
        !reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        return 1;
    }
    velmora::DisplayConnectionGuard displayGuard;
    QApplication app(argc, argv);
    displayGuard.connected();
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("version"), QStringLiteral("Displays version information.")});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("An item file (.tqf) to open."),
                                 QStringLiteral("[FILE]"));
    // Byte for byte, so that a file name that is not UTF-8 is refused as such rather than looked for altered.
    parser.process(velmora::argumentsFromNative(argc, argv));

    // Lets the desktop match the windows to velmora.desktop, and so to its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora"));
    Form1 window;
    velmora::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &velmora::TerminationSignals::received, &window, &Form1::endSession);
    window.Form_Load();
    window.show();
    window.openItemFiles(parser.positionalArguments());
    return app.exec();
}
