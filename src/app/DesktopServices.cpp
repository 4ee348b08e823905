#include "app/DesktopServices.h"

#include "app/Program.h"

namespace tw {

void OpenWebPage(Program&, WindowId, const QString&) {}
void HelpClick(Program&) {}
void LogoClick(Program&) {}
void OnTopClick(Program&) {}
void AutoSaveClick(Program&) {}

}  // namespace tw
