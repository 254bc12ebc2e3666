#pragma once
// The look of the program: Fusion with classic touches, the design font and the system
// colours the windows are painted with.

class QApplication;

namespace klarvon {

void ApplyClassicLook(QApplication& app);

} // namespace klarvon
