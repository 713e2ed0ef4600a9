#include "cli/VelmoraCli.h"
#include "store/NativeFileName.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const velmora::SettingsStore store;
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The arguments byte for byte: a file name need not be UTF-8.
    return velmora::runVelmoraCli(velmora::argumentsFromNative(argc, argv), store, out, err);
}
