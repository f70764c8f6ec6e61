// The shell shortcuts of the menu: the drive submenu and the accessory
// programs. Their listing and launching come later; until then the popup
// clears the drive submenu's design-time entry and leaves the accessory
// items as designed.
#include "tray/Ftool.h"

namespace vnl {

void TFVNL::BuildDriveMenu() {
    D2->Clear();
    DRV = nullptr;
}

void TFVNL::UpdateToolItems() {}

void TFVNL::SetToolPaths() {}

}  // namespace vnl
