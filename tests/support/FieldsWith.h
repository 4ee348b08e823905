#pragma once
#include "calc/FieldTexts.h"

namespace tw {

// The fields with some texts set or replaced: one table row's change to a base set.
inline FieldTexts With(FieldTexts f, std::initializer_list<std::pair<const Ctl, QString>> more) {
    for (const auto& [c, t] : more) f.setText(c, t);
    return f;
}

}  // namespace tw
