#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/Desktop.h"
#include "platform/WindowModel.h"

namespace tw {
class Program;

// Binds one window built in Designer to its model by object name: copies the model
// into the widgets whenever the model has changed, and hands every user event to the
// program through `deliver`, which runs it at the event boundary. No program rule
// lives here: a widget shows what the model holds and reports what the user did.
class FormBinder : public QObject {
public:
    using Deliver = std::function<void(const std::function<void()>&)>;

    FormBinder(QWidget* window, WindowModel& model, WindowId id, Program& p, Deliver deliver);

    // Copies the model into the widgets if it changed since the last copy.
    void copyModel();
    // The widget bound to a control (null when the window has none of that name).
    QWidget* widget(int control) const;
    QWidget* window() const { return window_; }
    // Names of the model's controls that the window lacks.
    QStringList missingControls() const;

    // Labels and pictures that report clicks carry this dynamic property.
    static constexpr const char* kClickable = "clickable";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControl(int control, QWidget* widget);
    void copyControl(int control);
    // A caption, tooltip or title as shown: in the user's language where a translation
    // of it exists (the model keeps the program's English), else as it is.
    QString shown(const QString& text) const;
    void copyWindow();
    void applyFocus();
    // The user moved the focus: the model follows, so it always names the focused control.
    void focusMoved(QWidget* now);
    // Runs a user event, then shows the control as the model has it, in case the
    // program did not take the change the widget made on its own.
    void userEvent(int control, const std::function<void()>& event);

    QPointer<QWidget> window_;
    WindowModel& model_;
    WindowId id_;
    Program& p_;
    Deliver deliver_;
    QByteArray context_;  // the translation context: the Designer form's name
    std::vector<QPointer<QWidget>> widgets_;
    quint64 copiedRevision_ = ~quint64(0);
    int focusShown_ = -1;
};

// A caption with its access-key marks taken out, for labels that show them as text.
QString PlainCaption(const QString& caption);

}  // namespace tw
