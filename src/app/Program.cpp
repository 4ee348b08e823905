#include "app/Program.h"

#include <QCoreApplication>
#include <stdexcept>

#include "app/AboutWindow.h"
#include "app/DesktopServices.h"
#include "platform/ProgramEnded.h"
#include "app/Startup.h"
#include "platform/Version.h"
#include "app/Calculate.h"
#include "app/Clearing.h"
#include "app/Units.h"
#include "app/ResetData.h"
#include "app/SaveData.h"
#include "app/Archive.h"
#include "app/GetLast.h"
#include "app/ViewLog.h"
#include "app/SaveCalculation.h"
#include "app/UpdateWindow.h"

namespace tw {

Program::Program(Desktop& desktop_, Files& files_, QString siteBase_)
    : desktop(desktop_),
      files(files_),
      siteBase(siteBase_.isEmpty() ? QString::fromLatin1(kSiteBase) : std::move(siteBase_)),
      about(std::make_unique<AboutModel>()),
      update(std::make_unique<UpdateWindow>()) {
    timer1.interval = 2000;
    main.setReaction([this](int control, Change change) {
        reactToMain(static_cast<Ctl>(control), change);
    });
}

Program::~Program() = default;

void Program::step(int number) {
    st.ProgressStep = number;
    if (number == failStep_) throw std::runtime_error("failure injected at a step");
}

void Program::end() {
    ended_ = true;
    timer1.stop();
    update->timer1.stop();
    main.setOpen(false, false);
    about->setOpen(false, false);
    update->model.setOpen(false, false);
    throw ProgramEnded();
}

Answer Program::say(const QString& title, const QStringList& lines, Icon icon,
                    Buttons buttons) {
    return desktop.message(title, lines.join("\r\n"), icon, buttons);
}

bool Program::savingRefused(const QString& title) {
    if (st.SavingRefused.isEmpty()) return false;
    say(title, {st.SavingRefused, QCoreApplication::translate("Messages", "Nothing has been saved.")},
        Icon::Warning);
    return true;
}

void Program::setStatus(const QString& text) {
    main.setText(Ctl::Status, text);
    timer1.start(desktop.ticks());
}

void Program::start(const QString& arguments) {
    LoadMainWindow(*this, arguments);
    main.setOpen(true, true);
    activate();
}

void Program::activate() {
    if (ended_ || !main.open()) return;
    ActivateMainWindow(*this);
}

void Program::mainTimerTick() {
    // Timer1 clears the status line once and stops itself.
    main.setText(Ctl::Status, QString());
    timer1.stop();
}

void Program::updateTimerTick() { UpdateTimerTick(*this); }

void Program::click(WindowId window, int control) {
    if (window == WindowId::About) return AboutEvent(*this, static_cast<AboutCtl>(control));
    if (window == WindowId::Update) return UpdateEvent(*this, static_cast<UpdateCtl>(control));
    const Ctl c = static_cast<Ctl>(control);
    if (main.at(control).kind == Kind::CheckBox) {
        // A click toggles the box; the model's reaction runs the click behaviour.
        main.setChecked(c, !main.checked(c));
        return;
    }
    switch (c) {
    case Ctl::Calc: return Calculate(*this);
    case Ctl::Save: return SaveClick(*this);
    case Ctl::Clear: return ClearClick(*this);
    case Ctl::Get_Last: return GetLastClick(*this);
    case Ctl::ViewL: return ViewLogFile(*this, LogKind::Results);
    case Ctl::History: return ViewLogFile(*this, LogKind::History);
    case Ctl::Delivery: return ViewLogFile(*this, LogKind::Delivery);
    case Ctl::Archive: return ArchiveClick(*this);
    case Ctl::Save_Defaults: return SaveDefaultsClick(*this);
    case Ctl::Reset_Defaults: return ResetDefaultsClick(*this);
    case Ctl::Update: return UpdateClick(*this);
    case Ctl::Help1: return HelpClick(*this);
    case Ctl::About: return AboutClick(*this);
    case Ctl::Exit: return leave();
    case Ctl::Logo: return LogoClick(*this);
    default: return;
    }
}

void Program::typed(WindowId window, int control, const QString& text) {
    if (window != WindowId::Main) return;
    const Ctl c = static_cast<Ctl>(control);
    if (main.text(c) == text) {
        // The user replaced the text with the same text: the change still happened.
        reactToMain(c, Change::Text);
        return;
    }
    st.FieldsTyped = true;
    main.setText(c, text);
}

void Program::selected(WindowId window, int control, int index) {
    if (window != WindowId::Main) return;
    main.setIndex(static_cast<Ctl>(control), index);
}

void Program::leave() {
    // A calculation not yet saved (Save still enabled) is not thrown away unasked.
    if (main.enabled(Ctl::Save)) {
        const Answer answer = say("Tankwise", {QCoreApplication::translate("Messages", "Save the calculation before leaving?")},

                                  Icon::Question, Buttons::YesNoCancel);
        if (answer == Answer::Cancel) return;
        if (answer == Answer::Yes) {
            SaveCalculation(*this);
            if (main.enabled(Ctl::Save)) return;  // not saved: the user has been told why
        }
    }
    end();
}

void Program::close(WindowId window) {
    switch (window) {
    case WindowId::Main: return leave();  // the title-bar close is Exit
    case WindowId::About: return CloseAbout(*this);
    case WindowId::Update: return CloseUpdate(*this);
    }
}

void Program::reactToMain(Ctl control, Change change) {
    switch (control) {
    case Ctl::AutoSave: return AutoSaveClick(*this);
    case Ctl::OnTop: return OnTopClick(*this);
    case Ctl::TankAU: return TankAUClicked(*this);
    case Ctl::TankBU: return TankBUClicked(*this);
    case Ctl::TUnitsAT:
    case Ctl::TUnitsBT:
    case Ctl::TUnitsCT: return UnitBoxClicked(*this);
    case Ctl::TankAS: return TankASSelected(*this);
    case Ctl::TankBS: return TankBSSelected(*this);
    case Ctl::TARead1:
    case Ctl::TBRead1:
        if (change == Change::Text) FirstReadingEdited(*this);
        return;
    default: return;
    }
}

}  // namespace tw
