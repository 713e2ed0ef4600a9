#include "cli/VelmoraCli.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const velmora::SettingsStore store;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return velmora::runVelmoraCli(app.arguments(), store, out, err);
}
