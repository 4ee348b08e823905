#include "ui/QtDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLayout>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "platform/ProgramEnded.h"

namespace tw {

namespace {

QMessageBox::Icon BoxIcon(Icon icon) {
    switch (icon) {
    case Icon::Stop: return QMessageBox::Critical;
    case Icon::Warning:
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok: break;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (Escape, the title bar) answers with its way out.
Answer Pressed(int button, Buttons buttons) {
    switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: break;
    }
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}

}  // namespace

QtDesktop::QtDesktop(QString workingFolder) : folder_(std::move(workingFolder)) {
    clock_.start();
}

QString QtDesktop::absolute(const QString& relPath) const {
    return QDir::cleanPath(folder_ + "/" + relPath);
}

Answer QtDesktop::message(const QString& title, const QString& text, Icon icon,
                          Buttons buttons) {
    if (ended_) throw ProgramEnded();
    // Lines arrive joined by CR LF; a label breaks lines at LF alone.
    QString shown = text;
    shown.replace("\r\n", "\n");
    // Owned by the window in use, or else the main window, so the window manager
    // keeps it over that window and treats it as that window's dialog.
    QWidget* owner = QApplication::activeWindow();
    if (!owner && windows_.value(WindowId::Main) && windows_.value(WindowId::Main)->isVisible())
        owner = windows_.value(WindowId::Main);
    QMessageBox box(BoxIcon(icon), title, shown, BoxButtons(buttons), owner);
    box.setTextFormat(Qt::PlainText);
    // A title and a close button, as the desktop's own message boxes have: nothing
    // to maximise or minimise.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    // Of the size its text needs, so no window manager offers to resize it.
    if (box.layout()) box.layout()->setSizeConstraint(QLayout::SetFixedSize);
    const int button = box.exec();
    if (ended_) throw ProgramEnded();
    return Pressed(button, buttons);
}

bool QtDesktop::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

bool QtDesktop::openFile(const QString& relPath) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute(relPath)));
}

bool QtDesktop::startViewer(const QString& relPath) {
#ifdef Q_OS_WIN
    return QProcess::startDetached("notepad.exe", {QDir::toNativeSeparators(absolute(relPath))},
                                   folder_);
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute(relPath)));
#endif
}

void QtDesktop::showLogWindow(LogKind kind, const QString& relPath) {
    if (showLog) showLog(kind, relPath);
}

void QtDesktop::setTopmost(WindowId id, bool on) {
    QWidget* window = windows_.value(id);
    if (!window) return;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    // Changing a window flag hides the window; it comes back where it was, without
    // taking the focus from the window the user is working in.
    const bool wasVisible = window->isVisible();
    const bool wasActive = window->isActiveWindow();
    const QRect geometry = window->geometry();
    const bool quiet = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    window->setGeometry(geometry);
    if (wasVisible) {
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
        if (wasActive) window->activateWindow();
    }
}

QDateTime QtDesktop::now() { return QDateTime::currentDateTime(); }

qint64 QtDesktop::ticks() { return clock_.elapsed(); }

QLocale QtDesktop::usableLocale(const QLocale& system) {
    if (system.language() == QLocale::C) return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return system;
}

QLocale QtDesktop::locale() { return usableLocale(QLocale::system()); }

}  // namespace tw
