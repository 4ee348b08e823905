#pragma once
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tw {

enum class Icon { None, Stop, Warning, Exclamation, Information, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class WindowId { Main, About, Update };
enum class LogKind { Results, History, Delivery };

// Everything the desktop provides. The Qt view implements it with real dialogs and
// services; tests and the scenario runner implement it with a scripted fake.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Shows a message box; text lines are joined by CR LF. Returns the button pressed.
    virtual Answer message(const QString& title, const QString& text, Icon icon,
                           Buttons buttons) = 0;
    // Opens a URL with the default browser; false when nothing could be started.
    virtual bool openUrl(const QString& url) = 0;
    // Opens a file (relative to the working folder) with its default handler.
    virtual bool openFile(const QString& relPath) = 0;
    // Hands a log file (relative to the working folder) to the desktop's own
    // handler for it, without waiting; false when nothing started.
    virtual bool startViewer(const QString& relPath) = 0;
    // Shows the program's own window for a log: one per log, raised when it is
    // already open, re-reading the file each time.
    virtual void showLogWindow(LogKind kind, const QString& relPath) = 0;
    // Puts a window into or out of the topmost band without moving or resizing it.
    virtual void setTopmost(WindowId window, bool on) = 0;
    virtual QDateTime now() = 0;
    // Milliseconds from an arbitrary start; only differences matter.
    virtual qint64 ticks() = 0;
    // The user's locale; British English when the system only has the C locale.
    virtual QLocale locale() = 0;
    // Asks what each column of a file holds: for each of `headers` (shown with its
    // `sample` value) the index of one of `choices`; nullopt when the user cancels.
    // A desktop that cannot ask cancels.
    virtual std::optional<std::vector<int>> chooseColumns(const QString& title,
                                                          const QStringList& headers,
                                                          const QStringList& sample,
                                                          const QStringList& choices,
                                                          const std::vector<int>& preset) {
        (void)title, (void)headers, (void)sample, (void)choices, (void)preset;
        return std::nullopt;
    }
};

}  // namespace tw
