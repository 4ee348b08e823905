// Expectations about the files in the working folder.
#include <QFileInfo>

#include "ScenarioRun.h"

namespace tw {

void ScenarioRun::expectFile(const ScenarioStep& s) {
    const QString& path = s.args.at(0);
    if (!QFileInfo(folder_.path() + "/" + path).isFile())
        throw StepFailure("expected the file " + path + ", found no such file");
    const QStringList lines = folder_.lines(path);
    if (s.args.size() < 3) {
        const QString difference = FirstDifference(s.block, lines, path);
        if (!difference.isEmpty()) throw StepFailure(difference);
        return;
    }
    const qsizetype count = s.args.at(2).toInt();
    if (lines.size() < count)
        throw StepFailure("expected at least " + s.args.at(2) + " line(s) in " + path + ", found " +
                          QString::number(lines.size()));
    const QString difference =
        FirstDifference(s.block, lines.mid(lines.size() - count), "the last " + s.args.at(2) + " line(s) of " + path);
    if (!difference.isEmpty()) throw StepFailure(difference);
}

void ScenarioRun::expectLines(const ScenarioStep& s) {
    const QString& path = s.args.at(0);
    if (!QFileInfo(folder_.path() + "/" + path).isFile())
        throw StepFailure("expected the file " + path + ", found no such file");
    const qsizetype found = folder_.lines(path).size();
    if (found != s.args.at(1).toInt())
        throw StepFailure("expected " + s.args.at(1) + " line(s) in " + path + ", found " + QString::number(found));
}

void ScenarioRun::expectLine(const ScenarioStep& s) {
    const QString& path = s.args.at(0);
    if (!QFileInfo(folder_.path() + "/" + path).isFile())
        throw StepFailure("expected the file " + path + ", found no such file");
    const QStringList lines = folder_.lines(path);
    const qsizetype n = s.args.at(1).toInt();
    const qsizetype index = n > 0 ? n - 1 : lines.size() + n;
    if (index < 0 || index >= lines.size())
        throw StepFailure("expected line " + s.args.at(1) + " of " + path + " to be " + Quoted(s.text) +
                          ", found only " + QString::number(lines.size()) + " line(s)");
    if (lines.at(index) != s.text)
        throw StepFailure("expected line " + s.args.at(1) + " of " + path + " to be " + Quoted(s.text) +
                          ", found " + Quoted(lines.at(index)));
}

void ScenarioRun::expectExists(const ScenarioStep& s) {
    if (!folder_.exists(s.args.at(0)))
        throw StepFailure("expected " + s.args.at(0) + " to exist, found it missing");
}

void ScenarioRun::expectMissing(const ScenarioStep& s) {
    if (folder_.exists(s.args.at(0)))
        throw StepFailure("expected " + s.args.at(0) + " missing, found it there");
}

}  // namespace tw
