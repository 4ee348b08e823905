// The configuration reader: any file, and a file it accepts is written by the
// program and read back to the same values.
#include <cstdint>
#include <cstdlib>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "app/SaveData.h"
#include "app/ReadConfiguration.h"

namespace {

// The values of a fresh program after reading the file; empty when it was refused.
QString ReadAndCompose(tw::WorkFolder& folder) {
    tw::FakeDesktop desktop;
    tw::Program p(desktop, folder.files());
    try {
        tw::ReadConfiguration(p);
    } catch (const std::exception&) {  // ProgramEnded and the fatal dump's ending alike
        return {};
    }
    return tw::ComposeConfiguration(tw::SettingsShown(p), "01-Jun-20 12:00:00", desktop.locale());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static tw::WorkFolder* folder = new tw::WorkFolder;  // one folder for the whole run
    if (!folder->writeBytes("Data/Tankwise.ini", QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        std::abort();
    const QString first = ReadAndCompose(*folder);
    if (first.isEmpty()) return 0;
    folder->files().writeAtomic("Data/Tankwise.ini", first + "\r\n");
    if (ReadAndCompose(*folder) != first) std::abort();
    return 0;
}
