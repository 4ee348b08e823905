// tankwise-scenario [--trace] FILE...: plays each scenario file against the core in
// a fresh working folder and reports PASS or FAIL per file.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "ScenarioRun.h"
#include "ScenarioScript.h"

namespace {

void Say(const QString& line, FILE* stream = stdout) {
    std::fputs((line + "\n").toUtf8().constData(), stream);
    std::fflush(stream);
}

tw::Outcome RunFile(const QString& path, bool trace) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {false, 0, "expected a readable scenario file, found none"};
    try {
        const tw::ScenarioScript script = tw::ParseScenario(QString::fromUtf8(file.readAll()));
        tw::ScenarioRun run(trace);
        return run.run(script);
    } catch (const tw::ScenarioSyntaxError& error) {
        return {false, error.line, error.message};
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool trace = false;
    QStringList paths;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (const QString& arg : args) {
        if (arg == "--trace")
            trace = true;
        else if (arg.startsWith("--"))
            paths.clear(), paths << QString(), Say("unknown option " + arg, stderr);
        else
            paths << arg;
    }
    if (paths.isEmpty() || paths.contains(QString())) {
        Say("usage: tankwise-scenario [--trace] FILE...", stderr);
        return 2;
    }

    int passed = 0;
    int failed = 0;
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).fileName();
        const tw::Outcome outcome = RunFile(path, trace);
        if (outcome.passed) {
            ++passed;
            Say("PASS " + name);
        } else {
            ++failed;
            Say("FAIL " + name + ":" + QString::number(outcome.line) + ": " + outcome.message);
        }
    }
    Say(QString::number(passed) + " passed, " + QString::number(failed) + " failed");
    return failed == 0 ? 0 : 1;
}
