#pragma once
#include <QString>
#include <initializer_list>
#include <map>
#include <set>
#include <utility>

#include "platform/MainControls.h"

namespace tw {

// Texts of some main-window fields and the ticks of some of its boxes, held as
// values: the checks and rewrites of a calculation take and return these. A field
// not held reads as empty text, a box not held as unticked.
class FieldTexts {
public:
    FieldTexts() = default;
    FieldTexts(std::initializer_list<std::pair<const Ctl, QString>> texts) : texts_(texts) {}

    QString text(Ctl c) const {
        const auto it = texts_.find(c);
        return it == texts_.end() ? QString() : it->second;
    }
    void setText(Ctl c, const QString& text) { texts_[c] = text; }
    bool ticked(Ctl c) const { return ticked_.count(c) != 0; }
    void setTicked(Ctl c, bool on) {
        if (on) ticked_.insert(c);
        else ticked_.erase(c);
    }
    // The texts held, by control.
    const std::map<Ctl, QString>& texts() const { return texts_; }

    bool operator==(const FieldTexts&) const = default;

private:
    std::map<Ctl, QString> texts_;
    std::set<Ctl> ticked_;
};

}  // namespace tw
