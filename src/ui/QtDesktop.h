#pragma once
#include <QElapsedTimer>
#include <QMap>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/Desktop.h"

namespace tw {

// The desktop as Qt provides it: message boxes, the default browser and file
// handlers, a log viewer, stay-on-top, the clock and the user's locale.
class QtDesktop : public Desktop {
public:
    // Files and viewers are opened relative to the working folder.
    explicit QtDesktop(QString workingFolder);

    Answer message(const QString& title, const QString& text, Icon icon,
                   Buttons buttons) override;
    bool openUrl(const QString& url) override;
    bool openFile(const QString& relPath) override;
    bool startViewer(const QString& relPath) override;
    void showLogWindow(LogKind kind, const QString& relPath) override;
    void setTopmost(WindowId window, bool on) override;
    QDateTime now() override;
    qint64 ticks() override;
    QLocale locale() override;
    std::optional<std::vector<int>> chooseColumns(const QString& title, const QStringList& headers,
                                                  const QStringList& sample, const QStringList& choices,
                                                  const std::vector<int>& preset) override;

    // Set by the view, which owns the log windows.
    std::function<void(LogKind, const QString&)> showLog;

    // The windows that stay-on-top applies to.
    void setWindow(WindowId id, QWidget* window) { windows_[id] = window; }
    // Once the program has ended, an open message box no longer hands an answer back
    // to the operation that asked: the operation unwinds instead.
    void setEnded() { ended_ = true; }

    // British English stands in for the bare C locale, which has no currency symbol.
    static QLocale usableLocale(const QLocale& system);

private:
    QString absolute(const QString& relPath) const;

    QString folder_;
    QElapsedTimer clock_;
    QMap<WindowId, QPointer<QWidget>> windows_;
    bool ended_ = false;
};

}  // namespace tw
