// The statement as `tankwise --statement` writes it with no display at all: text a
// PDF reader finds, with the figures the statement works out, on pages that render.
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <QComboBox>

#include "FakeDesktop.h"
#include "GeneratedHistory.h"
#include "app/Program.h"
#include "app/StatementRun.h"
#include "ui/StatementDialog.h"
#include "calc/Formats.h"

namespace tw {
namespace {

QString RunTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("LC_ALL", "C");  // the bare locale stands for British English
    run.setProcessEnvironment(env);
    run.start(program, arguments);
    run.waitForFinished(60000);
    if (exitCode) *exitCode = run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
    return QString::fromUtf8(run.readAllStandardOutput() + run.readAllStandardError());
}

TEST(StatementPdf, TheCommandWritesTheFiguresAsTextWithoutADisplay) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftotext.isEmpty() || pdftoppm.isEmpty()) GTEST_SKIP() << "poppler-utils is not installed";
    WorkFolder work;
    GeneratedHistory household(work);
    const QString pdf = work.path() + "/statement.pdf";
    int code = 0;
    const QString said = RunTool(TANKWISE_BINARY, {"--folder", work.path(), "--statement", "2023/24", "--pdf", pdf}, &code);
    ASSERT_EQ(code, 0) << said.toStdString();
    const QString text = RunTool(pdftotext, {pdf, "-"});

    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    StatementSource source = StatementSourceFromConfiguration(work.lines("Data/Tankwise.ini"), uk);
    const StatementFigures f = StatementFor(ReadStatementData(work.files(), LogPaths{}, uk, source), HeatingSeason(2023)).current;
    const auto litres = [&](double v) { return uk.toString(v, 'f', 0) + " litres"; };
    for (const QString& shown : {QStringLiteral("Heating oil statement 2023/24"), QStringLiteral("01/07/2023 to 30/06/2024"),
                                 QDir(work.path()).dirName(), QStringLiteral("Tankwise 3.0"), litres(f.opening.litres),
                                 litres(f.closing.litres), litres(f.used), CurrencyText(f.totalCost, uk), QStringLiteral("Page 1 of ")})
        EXPECT_TRUE(text.contains(shown)) << shown.toStdString() << " not in\n" << text.toStdString();
    RunTool(pdftoppm, {"-png", "-r", "30", pdf, work.path() + "/page"});
    EXPECT_TRUE(work.exists("page-1.png") || work.exists("page-01.png"));

    // Asked for in French, the same statement is written in French.
    RunTool(TANKWISE_BINARY, {"--folder", work.path(), "--lang", "fr", "--statement", "2023/24", "--pdf", pdf}, &code);
    ASSERT_EQ(code, 0);
    const QString french = RunTool(pdftotext, {pdf, "-"});
    for (const char* shown : {"Stock d'ouverture", "Consommation et coût", "Page 1 sur "})
        EXPECT_TRUE(french.contains(QString::fromUtf8(shown))) << shown << " not in\n" << french.toStdString();

    // A season no reading reaches writes nothing and says so.
    EXPECT_TRUE(RunTool(TANKWISE_BINARY, {"--folder", work.path(), "--statement", "2015", "--pdf", pdf + "2"}, &code)
                    .contains("no saved reading reaches into 2015"));
    EXPECT_EQ(code, 1);
}

TEST(StatementPdf, TheDialogShowsTheChosenPeriodAndSavesIt) {
    WorkFolder work;
    GeneratedHistory household(work);
    FakeDesktop desktop;
    Program p{desktop, work.files()};
    p.start("-InhibitUpdate");
    desktop.messages.clear();
    StatementDialog dialog(p, nullptr);
    EXPECT_EQ(dialog.periods()->currentText(), "Heating season 2023/24");
    dialog.periods()->setCurrentIndex(dialog.periods()->findText("Calendar year 2022"));
    EXPECT_EQ(dialog.document().title, "Heating oil statement 2022");
    EXPECT_TRUE(dialog.saveAs(work.path() + "/statement.pdf"));
    EXPECT_FALSE(dialog.saveAs(work.path() + "/no folder/statement.pdf"));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Statement");
}

}  // namespace
}  // namespace tw
