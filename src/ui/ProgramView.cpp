#include "ui/ProgramView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>

#include "app/AboutWindow.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"
#include "ui/AccessibleNames.h"
#include "ui/ChartColours.h"
#include "ui/LogWindow.h"
#include "ui/QtDesktop.h"
#include "ui/WindowPlaces.h"
#include "ui_AboutWindow.h"
#include "ui_MainWindow.h"
#include "ui_UpdateWindow.h"
#include "app/UpdateWindow.h"

// The resources live in a static library, so they are registered by hand.
static void RegisterResources() { Q_INIT_RESOURCE(tankwise); }

namespace tw {

namespace {

// The logo's tank is dark green: on a dark window only its yellow drop would show,
// like a warning sign. There it sits on a light tile, whole.
void BackLogos(QWidget* window) {
    const bool dark = IsDark(window->palette());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) continue;
        label->setStyleSheet(dark ? QStringLiteral("background-color: #e8e8e8; border-radius: 6px;") : QString());
        if (label->accessibleName().isEmpty())
            label->setAccessibleName(QCoreApplication::translate("ProgramView", "Tankwise logo"));
    }
}

template <class Form>
std::unique_ptr<QWidget> Build(const QIcon& icon) {
    auto window = std::make_unique<QWidget>();
    Form form;
    form.setupUi(window.get());
    window->setWindowIcon(icon);
    return window;
}
}  // namespace

ProgramView::ProgramView(Program& p, QtDesktop* desktop)
    : p_(p),
      desktop_(desktop),
      mainTimer_(p.timer1, [this] { deliver([this] { p_.mainTimerTick(); }); }),
      updateTimer_(p.update->timer1, [this] { deliver([this] { p_.updateTimerTick(); }); }) {
    RegisterResources();
    // The logo read once for the three windows: each reading is a PNG decoded.
    const QIcon logo(QStringLiteral(":/logo.png"));
    main_ = Build<Ui::MainWindow>(logo);
    about_ = Build<Ui::AboutWindow>(logo);
    update_ = Build<Ui::UpdateWindow>(logo);
    // Opens as its layout asks, within the screen, or where the user left it.
    FitToScreen(main_.get(), main_->sizeHint());
    new WindowPlace(main_.get(), QStringLiteral("Main"));

    // The About window is modal and has no owner; the update window stands on its own.
    about_->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    about_->setWindowModality(Qt::ApplicationModal);
    update_->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const FormBinder::Deliver run = [this](const std::function<void()>& event) {
        deliver(event);
    };
    mainBinder_ = std::make_unique<FormBinder>(main_.get(), p_.main, WindowId::Main, p_, run);
    aboutBinder_ = std::make_unique<FormBinder>(about_.get(), *p_.about, WindowId::About, p_, run);
    updateBinder_ =
        std::make_unique<FormBinder>(update_.get(), p_.update->model, WindowId::Update, p_, run);

    for (const WindowId id : {WindowId::Main, WindowId::About, WindowId::Update}) {
        window(id)->installEventFilter(this);
        BackLogos(window(id));
        names_.push_back(std::make_unique<FieldNames>(window(id)));
        if (desktop_) desktop_->setWindow(id, window(id));
    }
    if (desktop_) {
        desktop_->showLog = [this](LogKind kind, const QString& relPath) {
            showLogWindow(kind, relPath);
        };
    }

    // Changes that arrive outside an event (a download finishing) reach the windows too.
    const auto changed = [this] { scheduleRefresh(); };
    p_.main.changed = changed;
    p_.about->changed = changed;
    p_.update->model.changed = changed;
}

ProgramView::~ProgramView() {
    if (desktop_) desktop_->showLog = nullptr;
    p_.main.changed = nullptr;
    p_.about->changed = nullptr;
    p_.update->model.changed = nullptr;
}

LogWindow* ProgramView::showLogWindow(LogKind kind, const QString& relPath) {
    auto& window = logWindows_[kind];
    if (!window) {
        window = std::make_unique<LogWindow>(
            p_, kind, p_.files.absolute(relPath),
            [this](const std::function<void()>& event) { deliver(event); });
    }
    window->showRaised();
    return window.get();
}

QWidget* ProgramView::window(WindowId id) const {
    switch (id) {
    case WindowId::Main: return main_.get();
    case WindowId::About: return about_.get();
    case WindowId::Update: return update_.get();
    }
    return nullptr;
}

const FormBinder& ProgramView::binder(WindowId id) const {
    switch (id) {
    case WindowId::About: return *aboutBinder_;
    case WindowId::Update: return *updateBinder_;
    case WindowId::Main: break;
    }
    return *mainBinder_;
}

bool ProgramView::start(const QString& arguments) {
    deliver([this, &arguments] { p_.start(arguments); });
    return !ending_;
}

void ProgramView::deliver(const std::function<void()>& event) {
    if (ending_) return;
    try {
        event();
    } catch (const ProgramEnded&) {
        endProgram(0);
        return;
    } catch (const std::exception& error) {
        // The core traps its own failures; anything reaching here is a fault of the program.
        qCritical("Tankwise stopped on an unexpected error: %s", error.what());
        endProgram(1);
        return;
    }
    refresh();
}

void ProgramView::refresh() {
    if (ending_) return;
    if (p_.ended()) {
        // Ended by an event that did not come through here (a download report).
        endProgram(0);
        return;
    }
    mainBinder_->copyModel();
    placeOverMain(about_.get(), *p_.about);
    aboutBinder_->copyModel();
    placeOverMain(update_.get(), p_.update->model);
    updateBinder_->copyModel();
    for (const auto& names : names_) names->apply();
    mainTimer_.follow();
    updateTimer_.follow();
}

void ProgramView::placeOverMain(QWidget* window, const WindowModel& model) {
    if (!model.open() || !model.shown() || window->isVisible() || !main_->isVisible()) return;
    window->adjustSize();
    window->move(main_->geometry().center() - window->rect().center());
}

void ProgramView::scheduleRefresh() {
    if (refreshQueued_ || ending_) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshQueued_ = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void ProgramView::endProgram(int exitCode) {
    if (ending_) return;
    ending_ = true;
    if (desktop_) desktop_->setEnded();
    mainTimer_.stop();
    updateTimer_.stop();
    for (const WindowId id : {WindowId::About, WindowId::Update, WindowId::Main})
        window(id)->hide();
    if (quit) quit(exitCode);
}

bool ProgramView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == main_.get() && pressEnter(key)) return true;
        // Escape closes the About and update windows as it closes any dialog; the
        // close goes through the program.
        if ((watched == about_.get() || watched == update_.get()) && key->key() == Qt::Key_Escape &&
            key->modifiers() == Qt::NoModifier) {
            static_cast<QWidget*>(watched)->close();
            return true;
        }
    }
    if (event->type() == QEvent::PaletteChange) BackLogos(static_cast<QWidget*>(watched));
    if (event->type() == QEvent::WindowActivate) {
        for (const WindowId id : {WindowId::Main, WindowId::About, WindowId::Update})
            if (watched == window(id)) windowActivated(id);
    }
    return QObject::eventFilter(watched, event);
}

bool ProgramView::pressEnter(const QKeyEvent* key) {
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    // Enter reaches the window when the focused control did not take it: on a button
    // it presses that button, anywhere else the default one, as in a dialog.
    auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (!button || button->isCheckable() || button->window() != main_.get())
        button = qobject_cast<QAbstractButton*>(mainBinder_->widget(int(Ctl::Calc)));
    if (button && button->isEnabled()) button->click();
    return true;
}

void ProgramView::windowActivated(WindowId id) {
    // The main window's activation is the user coming back to it from the update
    // window. Message boxes do not count (coming back from one must not restore the
    // last saved data over what was typed), start-up activates the window itself,
    // and closing the About window hands control back through the program.
    const bool fromUpdate = anyActivated_ && lastActive_ == WindowId::Update;
    anyActivated_ = true;
    lastActive_ = id;
    if (id != WindowId::Main || !fromUpdate) return;
    QMetaObject::invokeMethod(
        this, [this] { deliver([this] { p_.activate(); }); }, Qt::QueuedConnection);
}

}  // namespace tw
