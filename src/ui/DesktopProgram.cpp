#include "ui/DesktopProgram.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace tw {

LaunchInputs DesktopLaunchInputs(const QStringList& arguments) {
    LaunchInputs inputs;
    inputs.arguments = arguments;
    inputs.homeVariable = qEnvironmentVariable("TANKWISE_HOME");
    inputs.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    inputs.defaultsCandidates = {QCoreApplication::applicationDirPath() + "/../share/tankwise",
                                 QStringLiteral(TANKWISE_SOURCE_RESOURCES)};
    return inputs;
}

}  // namespace tw
