#include "app/FatalDump.h"

#include <QCoreApplication>

#include "app/Startup.h"
#include "platform/Version.h"
#include "app/LogFileChecks.h"

namespace tw {

namespace {

// The error types of the program's traps, marked for the translations.
[[maybe_unused]] const char* const kErrorTypes[] = {
    QT_TRANSLATE_NOOP("Messages", "Calculation Error"),
    QT_TRANSLATE_NOOP("Messages", "Check Data Error"),
    QT_TRANSLATE_NOOP("Messages", "Check Default Error"),
    QT_TRANSLATE_NOOP("Messages", "Clear Actual Data Error"),
    QT_TRANSLATE_NOOP("Messages", "Clear Input Data Error"),
    QT_TRANSLATE_NOOP("Messages", "Clear Predict Data Error"),

    QT_TRANSLATE_NOOP("Messages", "Config Read Error"),
    QT_TRANSLATE_NOOP("Messages", "Currency Format Error"),
    QT_TRANSLATE_NOOP("Messages", "Generate Delivery Log Error"),
    QT_TRANSLATE_NOOP("Messages", "Generate History Log Error"),
    QT_TRANSLATE_NOOP("Messages", "Generate Log 1 Error"),
    QT_TRANSLATE_NOOP("Messages", "History Log File Read Error"),
    QT_TRANSLATE_NOOP("Messages", "Loading Error"),
    QT_TRANSLATE_NOOP("Messages", "Save Config Error"),
    QT_TRANSLATE_NOOP("Messages", "Tidy Input Error"),
    QT_TRANSLATE_NOOP("Messages", "Tidy Output Error")};


QString Joined(Program& p, std::initializer_list<Ctl> fields) {
    QStringList values;
    for (Ctl c : fields) values << p.main.text(c);
    return values.join(", ");
}

QString States(Program& p, std::initializer_list<Ctl> boxes) {
    QStringList values;
    for (Ctl c : boxes) values << QString::number(p.main.state(c));
    return values.join(", ");
}

QString Heading(const QString& title) {
    return title + "\r\n" + QString(title.size(), '-');
}

void WriteDump(Program& p, const QString& errorType, int errorData) {
    const QString log = "Log/" + p.st.ResultsLogName;
    auto write = [&](const QString& text) { p.files.appendLine(log, text); };
    write(NowStamp(p));
    write("Tankwise\r\nVersion " + VersionText() + "\r\n");
    write("******** " + errorType + " " + QString::number(errorData) + " ********\r\n");
    write("Dump of configuration file and available program data follows:\r\n\r\n");
    write(p.st.ConfigEcho);
    write(Heading("Oil and Tank Data"));
    write(p.main.text(Ctl::TankACap) + ", " + p.main.itemText(Ctl::TankAS) + ", " +
          p.main.text(Ctl::TankAD) + ", " + QString::number(p.main.state(Ctl::TankAU)));
    write(p.main.text(Ctl::TankBCap) + ", " + p.main.itemText(Ctl::TankBS) + ", " +
          p.main.text(Ctl::TankBD) + ", " + QString::number(p.main.state(Ctl::TankBU)));
    write(Joined(p, {Ctl::CORate, Ctl::DVRate, Ctl::Predict, Ctl::TankOffA, Ctl::TankOffB,
                     Ctl::VRate}));
    write(States(p, {Ctl::AutoSave, Ctl::OnTop, Ctl::NoHistory, Ctl::TUnitsAT, Ctl::TUnitsBT,
                     Ctl::TUnitsCT}) +
          ", " + QString::number(double(p.st.UpEnable)));
    write("\r\n");
    write(Heading("Tank Readings And Deliveries"));
    write(Joined(p, {Ctl::Date1, Ctl::TARead1, Ctl::TBRead1}));
    write(Joined(p, {Ctl::Date2, Ctl::TARead2, Ctl::TBRead2}));
    write(Joined(p, {Ctl::Date3, Ctl::LAdd1, Ctl::OCost1, Ctl::DCharge1}));
    write(Joined(p, {Ctl::Date4, Ctl::LAdd2, Ctl::OCost2, Ctl::DCharge2}));
    write(p.main.text(Ctl::Notes));
    write("\r\n");
    write(Heading("Heating Flags"));
    write(States(p, {Ctl::CHeat1, Ctl::CHeat2}));
    write(States(p, {Ctl::WHeat1, Ctl::WHeat2}));
    write("\r\n");
    write(Heading("Program Actual"));
    write(Joined(p, {Ctl::TDays, Ctl::TankT, Ctl::TCost, Ctl::TVCost, Ctl::TCO2}));
    write("\r\n");
    write(Heading("Program Predicted"));
    write(Joined(p, {Ctl::TDaysP, Ctl::TankTP, Ctl::TCostP, Ctl::TVCostP, Ctl::TCO2P}));
    write("\r\n");
    write(Heading("Program Misc"));
    write(Joined(p, {Ctl::FillDate, Ctl::VDay, Ctl::DCost, Ctl::DCO2, Ctl::OLeft}));
    write("\r\n");
    write("******** End of Error Dump ********\r\n\r\n");
}

}  // namespace

void DumpError(Program& p, const QString& errorType, int errorData) {
    try {
        WriteDump(p, errorType, errorData);
    } catch (const std::exception&) {
        // A dump that cannot be written is abandoned; the user is still told.
    }
    // The dump keeps the English error type; the box names it in the user's language.
    p.say(QCoreApplication::translate("Messages", "Tankwise Fatal Error"),
          QCoreApplication::translate("Messages", "Error Number %1\nA Fatal %2 Has Occurred\nThe Program Will Now Terminate")
              .arg(QString::number(errorData),
                   QCoreApplication::translate("Messages", errorType.toUtf8().constData()))
              .split('\n'),
          Icon::Stop);
    p.end();
}

}  // namespace tw
