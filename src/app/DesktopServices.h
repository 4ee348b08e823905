#pragma once
#include <QString>

#include "platform/Desktop.h"

namespace tw {
class Program;

// Opens the web site base address followed by a page path in the browser.
void OpenWebPage(Program& p, WindowId from, const QString& pagePath);
void HelpClick(Program& p);
void LogoClick(Program& p);
void OnTopClick(Program& p);
void AutoSaveClick(Program& p);

}  // namespace tw
