// tankwise-scenario [--trace] FILE...: plays each scenario file against the core in
// a fresh working folder and reports PASS or FAIL per file.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "Scenario.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList paths = QCoreApplication::arguments().mid(1);
    const bool trace = paths.removeAll("--trace") > 0;
    const QStringList options = paths.filter(QRegularExpression("^--"));
    for (const QString& option : options) std::fputs(qPrintable("unknown option " + option + "\n"), stderr);
    if (paths.isEmpty() || !options.isEmpty()) {
        std::fputs("usage: tankwise-scenario [--trace] FILE...\n", stderr);
        return 2;
    }
    int passed = 0;
    for (const QString& path : paths) {
        QString outcome = "PASS " + QFileInfo(path).fileName();
        QFile file(path);
        try {
            if (!file.open(QIODevice::ReadOnly)) throw tw::Failure("expected a readable scenario file, found none");
            const tw::Script script = tw::ParseScenario(QString::fromUtf8(file.readAll()));
            tw::ScenarioRun(trace).run(script);
            ++passed;
        } catch (const tw::Failure& failure) {
            outcome = "FAIL " + QFileInfo(path).fileName() + ":" + QString::number(failure.line) + ": " + failure.text;
        }
        tw::Print(outcome);
    }
    tw::Print(QString::number(passed) + " passed, " + QString::number(paths.size() - passed) + " failed");
    return passed == paths.size() ? 0 : 1;
}
