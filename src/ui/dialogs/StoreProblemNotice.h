#pragma once

class QWidget;

namespace velmora {

class SettingsStore;

// Tells the user what is wrong with the store, once for each new problem; shows nothing while all is well.
void noticeStoreProblem(SettingsStore& store, QWidget* parent = nullptr);

} // namespace velmora
