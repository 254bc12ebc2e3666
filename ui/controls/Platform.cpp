#include "ui/controls/Platform.h"

namespace klarvon {
namespace {

TPlatformDialogs* gInstalled = nullptr;

} // namespace

int TPlatformDialogs::ShowListDialog(const TListDialogRequest& /*request*/) {
    return ListDialogClosed;
}

bool TPlatformDialogs::ExecuteFolderDialog(const TFolderDialogRequest& /*request*/,
                                           std::string& /*folder*/) {
    return false;
}

bool TPlatformDialogs::PlayWave(const TWaveRequest& /*request*/) {
    return false;
}

void TPlatformDialogs::StopWave() {}

TPlatformDialogs& PlatformDialogs() {
    if (gInstalled != nullptr) {
        return *gInstalled;
    }
    static const std::unique_ptr<TPlatformDialogs> native = MakeNativePlatformDialogs();
    return *native;
}

TPlatformDialogsOverride::TPlatformDialogsOverride(TPlatformDialogs& dialogs)
    : previous_(gInstalled) {
    gInstalled = &dialogs;
}

TPlatformDialogsOverride::~TPlatformDialogsOverride() {
    gInstalled = previous_;
}

} // namespace klarvon
