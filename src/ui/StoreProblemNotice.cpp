#include "ui/StoreProblemNotice.h"

#include "store/SettingsStore.h"
#include "ui/ApplicationTitle.h"

#include <QMessageBox>

namespace velmora {

void noticeStoreProblem(SettingsStore& store, QWidget* parent) {
    const QString problem = store.takeProblemToReport();
    if (problem.isEmpty())
        return;
    QMessageBox box(QMessageBox::Warning, velmora::applicationTitle(), problem, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("StoreProblemNotice"));
    box.exec();
}

} // namespace velmora
