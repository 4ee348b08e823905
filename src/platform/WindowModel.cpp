#include "platform/WindowModel.h"

namespace tw {

WindowModel::WindowModel(QString windowName, const ControlDesign* designs, int count)
    : windowName_(std::move(windowName)) {
    controls_.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Control c;
        c.name = QString::fromLatin1(designs[i].name);
        c.kind = designs[i].kind;
        c.text = QString::fromUtf8(designs[i].text);
        c.tooltip = QString::fromUtf8(designs[i].tooltip);
        controls_.push_back(std::move(c));
    }
}

std::optional<int> WindowModel::find(const QString& name) const {
    for (int i = 0; i < count(); ++i)
        if (controls_[static_cast<size_t>(i)].name == name) return i;
    return std::nullopt;
}

void WindowModel::touch() {
    ++revision_;
    if (changed) changed();
}

void WindowModel::react(int id, Change change) {
    if (reaction_) reaction_(id, change);
}

template <class T>
bool WindowModel::assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    touch();
    return true;
}

void WindowModel::setText(int id, const QString& text) {
    if (assign(ref(id).text, text) && at(id).kind == Kind::TextBox) react(id, Change::Text);
}

void WindowModel::setTooltip(int id, const QString& tooltip) {
    assign(ref(id).tooltip, tooltip);
}

void WindowModel::setChecked(int id, bool on) {
    if (assign(ref(id).checked, on)) react(id, Change::Checked);
}

void WindowModel::setIndex(int id, int index) {
    if (assign(ref(id).index, index)) react(id, Change::Index);
}

QString WindowModel::itemText(int id) const {
    const Control& c = at(id);
    return c.index >= 0 && c.index < c.items.size() ? c.items.at(c.index) : QString();
}

void WindowModel::setItems(int id, const QStringList& items) {
    ref(id).items = items;
    touch();
}

void WindowModel::setEnabled(int id, bool on) {
    assign(ref(id).enabled, on);
}

void WindowModel::setVisible(int id, bool on) {
    assign(ref(id).visible, on);
}

void WindowModel::setCaption(const QString& caption) {
    caption_ = caption;
    touch();
}

void WindowModel::setFocus(int id) {
    focus_ = id;
    touch();
}

void WindowModel::setOpen(bool open, bool shown) {
    open_ = open;
    shown_ = open && shown;
    touch();
}

}  // namespace tw
