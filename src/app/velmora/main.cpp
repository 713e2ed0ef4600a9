#include "ui/DisplayCheck.h"
#include "ui/Form1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (const QString reason = velmora::missingDisplayReason(QProcessEnvironment::systemEnvironment());
        !reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        return 1;
    }
    QApplication app(argc, argv);
    Form1 window;
    window.show();
    return app.exec();
}
