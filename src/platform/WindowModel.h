#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tw {

enum class Kind { TextBox, Label, Button, CheckBox, ComboBox, Group, Picture };

// How a control looks when the window is first loaded.
struct ControlDesign {
    const char* name;
    Kind kind;
    const char* text;     // caption of a label, button, group or check box; text of a text box
    const char* tooltip;
};

struct Control {
    QString name;
    Kind kind = Kind::Label;
    QString text;
    QString tooltip;
    bool checked = false;
    QStringList items;
    int index = -1;
    bool enabled = true;
    bool visible = true;
};

// What changed, for the reactions the program attaches to a control.
enum class Change { Text, Checked, Index };

// One window as data: every control by its design name, the caption, the focus and
// whether the window is loaded and shown. A value the program changes raises the
// same reaction as the user's change whenever it really changes.
class WindowModel {
public:
    using Reaction = std::function<void(int control, Change change)>;

    WindowModel(QString windowName, const ControlDesign* designs, int count);

    const QString& windowName() const { return windowName_; }
    int count() const { return static_cast<int>(controls_.size()); }
    std::optional<int> find(const QString& name) const;
    const Control& at(int id) const { return controls_.at(static_cast<size_t>(id)); }

    void setReaction(Reaction reaction) { reaction_ = std::move(reaction); }

    QString text(int id) const { return at(id).text; }
    void setText(int id, const QString& text);
    QString tooltip(int id) const { return at(id).tooltip; }
    void setTooltip(int id, const QString& tooltip);
    bool checked(int id) const { return at(id).checked; }
    void setChecked(int id, bool on);
    int index(int id) const { return at(id).index; }
    void setIndex(int id, int index);
    QString itemText(int id) const;  // the shown item of a combo box
    void setItems(int id, const QStringList& items);
    bool enabled(int id) const { return at(id).enabled; }
    void setEnabled(int id, bool on);
    bool visible(int id) const { return at(id).visible; }
    void setVisible(int id, bool on);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    int focus() const { return focus_; }
    void setFocus(int id);

    bool open() const { return open_; }
    bool shown() const { return shown_; }
    void setOpen(bool open, bool shown);

    // Raised after the program changed anything, so a view can copy it out.
    std::function<void()> changed;
    // Counts every change; a view compares it to know when to refresh.
    quint64 revision() const { return revision_; }

private:
    Control& ref(int id) { return controls_.at(static_cast<size_t>(id)); }
    void touch();
    // Sets a field and counts the change; false when it already held the value.
    template <class T>
    bool assign(T& field, const T& value);
    void react(int id, Change change);

    QString windowName_;
    std::vector<Control> controls_;
    Reaction reaction_;
    QString caption_;
    int focus_ = -1;
    bool open_ = false;
    bool shown_ = false;
    quint64 revision_ = 0;
};

// A window model addressed by a compile-time enum of its controls.
template <class Id>
class Window : public WindowModel {
public:
    using WindowModel::WindowModel;
    QString text(Id id) const { return WindowModel::text(int(id)); }
    void setText(Id id, const QString& t) { WindowModel::setText(int(id), t); }
    QString tooltip(Id id) const { return WindowModel::tooltip(int(id)); }
    void setTooltip(Id id, const QString& t) { WindowModel::setTooltip(int(id), t); }
    bool checked(Id id) const { return WindowModel::checked(int(id)); }
    int state(Id id) const { return checked(id) ? 1 : 0; }
    void setChecked(Id id, bool on) { WindowModel::setChecked(int(id), on); }
    int index(Id id) const { return WindowModel::index(int(id)); }
    void setIndex(Id id, int i) { WindowModel::setIndex(int(id), i); }
    QString itemText(Id id) const { return WindowModel::itemText(int(id)); }
    bool enabled(Id id) const { return WindowModel::enabled(int(id)); }
    void setEnabled(Id id, bool on) { WindowModel::setEnabled(int(id), on); }
    bool visible(Id id) const { return WindowModel::visible(int(id)); }
    void setVisible(Id id, bool on) { WindowModel::setVisible(int(id), on); }
    void setFocus(Id id) { WindowModel::setFocus(int(id)); }
    using WindowModel::setFocus;
    bool hasFocus(Id id) const { return focus() == int(id); }
};

}  // namespace tw
