#include "ui/dialogs/StoreProblemNotice.h"

#include "store/SettingsStore.h"
#include "ui/dialogs/Dialogs.h"

namespace velmora {

void noticeStoreProblem(SettingsStore& store, QWidget* parent) {
    const QString problem = store.takeProblemToReport();
    if (problem.isEmpty())
        return;
    showMessage({.text = problem,
                 .icon = QMessageBox::Warning,
                 .parent = parent,
                 .name = QStringLiteral("StoreProblemNotice")});
}

} // namespace velmora
