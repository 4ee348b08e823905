#pragma once
#include <QString>
#include <memory>
#include <utility>

#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/MainControls.h"
#include "platform/Timer.h"

namespace tw {

class AboutModel;
class UpdateWindow;

// Program-wide values kept by the main window for the life of the process. Names
// are the short design names the whole program uses.
struct State {
    int InhibitMode = 0;
    int ProgressStep = 0;
    bool StartupComplete = false;
    bool ManualUpdateCheck = false;

    // Stored configuration values, single precision as the file gives them.
    float LogLevel = 0, RunOnTop = 0, TankAS = 0, TankBS = 0, TankAU = 0, TankBU = 0;
    float TUnits = 0, TUnitsA = 0, TUnitsB = 0, TUnitsC = 0, UpEnable = 0;
    QString ConfigEcho;

    QString SaveError;
    float OilAtReading1 = 0, OilAtReading2 = 0;
    QString InputFingerprint, LastInputFingerprint;

    QString CurrencySymbol, TaxWord = "VAT";
    QString RemainingOilValue = "0", Delivery1Cost = "0", Delivery2Cost = "0";
    double DeliveryChargeTotal = 0;
    QString OilVat, DeliveryVat, PredictedOilVat, PredictedDeliveryVat;
    double PredictedDeliveries = 0;

    QString DepthUnit = "cm", VolumeUnit = "Litre", MassUnit = "Kgm";

    // Start-up sets the names again; the defaults let a dump before that still reach the log.
    QString ResultsLogName = "Tankwise.log", HistoryLogName = "Tankwise_H.log",
            DeliveryLogName = "Tankwise_D.log";
    QString ReportText, HistoryLine, DeliveryLine1, DeliveryLine2;

    QString OilValue;
    bool ReadingRestored = false;
    std::pair<QString, QString> RestoredReadings;  // TARead1 and TBRead1 as Get Last left them
    // The user has typed into the window since the program last filled its fields
    // (restore, Clear, a calculation's normalisation, a save).
    bool FieldsTyped = false;
    QString RetrievedDelivery1, RetrievedDelivery2;

    // The language the windows speak ("en", "de", "fr"): the help page is the one in it.
    QString WindowLanguage = QStringLiteral("en");

    // Why nothing may be written in this run (the working folder could not be marked
    // as in use and the user started anyway); empty normally.
    QString SavingRefused;
};

// The running program: the main window model, the program-wide state, the desktop
// and the working folder. Operations live in their own files as free functions
// that take the program; this class only starts it and routes events to them.
class Program {
public:
    Program(Desktop& desktop, Files& files, QString siteBase = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up with the command-line argument text, then the first activation.
    void start(const QString& arguments);
    // Events from the view or the runner. Each may throw ProgramEnded.
    void click(WindowId window, int control);
    void typed(WindowId window, int control, const QString& text);
    void selected(WindowId window, int control, int index);
    void activate();
    void close(WindowId window);
    void mainTimerTick();
    void updateTimerTick();

    // Records the step reached; a test can make a chosen step fail.
    void step(int number);
    void failAtStep(int number) { failStep_ = number; }

    // Exit: asks first when a calculation waits to be saved, then ends.
    void leave();
    // Ends the program at once (all windows close, nothing saved).
    [[noreturn]] void end();
    bool ended() const { return ended_; }

    // Message box shortcut: lines joined by CR LF.
    Answer say(const QString& title, const QStringList& lines, Icon icon,
               Buttons buttons = Buttons::Ok);
    // True, after telling the user why in one box titled `title`, when this run may
    // write nothing.
    bool savingRefused(const QString& title);
    // Starts Timer1 with the given status text.
    void setStatus(const QString& text);

    Desktop& desktop;
    Files& files;
    const QString siteBase;
    MainModel main;
    State st;
    Timer timer1;
    std::unique_ptr<AboutModel> about;
    std::unique_ptr<UpdateWindow> update;

private:
    void reactToMain(Ctl control, Change change);

    int failStep_ = -1;
    bool ended_ = false;
};

}  // namespace tw
