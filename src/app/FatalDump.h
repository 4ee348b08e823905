#pragma once
#include <QString>
#include <exception>

#include "platform/Files.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"

namespace tw {

// The last-resort handler: appends a dump of the configuration and of every field
// to the results log, names the failed operation and its step, and ends the program.
[[noreturn]] void DumpError(Program& p, const QString& errorType, int errorData);

// Runs an operation under its error trap: any failure other than the end of the
// program becomes the fatal dump with the operation's error type and the step
// reached (or a fixed step number when the operation has one).
template <class Body>
void Trapped(Program& p, const char* errorType, Body&& body, int fixedStep = -1) {
    try {
        body();
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception&) {
        DumpError(p, QString::fromLatin1(errorType),
                  fixedStep >= 0 ? fixedStep : p.st.ProgressStep);
    }
}

}  // namespace tw
