#pragma once

class QLabel;
class QWidget;

namespace velmora {

// Ties the label to the control it stands beside, for screen readers: the control is named after the label,
// without the colon that ends it on screen, and the label is its buddy (the "labelled by" relation, which is how
// Linux screen readers name a drop-down list).
void nameAfterLabel(QWidget& control, QLabel& label);

} // namespace velmora
