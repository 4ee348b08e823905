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

void WindowModel::setText(int id, const QString& text) {
    if (ref(id).text == text) return;
    ref(id).text = text;
    touch();
    if (at(id).kind == Kind::TextBox) react(id, Change::Text);
}

void WindowModel::setTooltip(int id, const QString& tooltip) {
    if (ref(id).tooltip == tooltip) return;
    ref(id).tooltip = tooltip;
    touch();
}

void WindowModel::setChecked(int id, bool on) {
    if (ref(id).checked == on) return;
    ref(id).checked = on;
    touch();
    react(id, Change::Checked);
}

void WindowModel::setIndex(int id, int index) {
    if (ref(id).index == index) return;
    ref(id).index = index;
    touch();
    react(id, Change::Index);
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
    if (ref(id).enabled == on) return;
    ref(id).enabled = on;
    touch();
}

void WindowModel::setVisible(int id, bool on) {
    if (ref(id).visible == on) return;
    ref(id).visible = on;
    touch();
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
