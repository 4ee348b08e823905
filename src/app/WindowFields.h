#pragma once
#include <initializer_list>
#include <span>

#include "calc/FieldTexts.h"

namespace tw {

// The named controls of the main window as values: a check box gives its tick, a
// combo box the item it shows, any other control its text.
FieldTexts TakeFields(const MainModel& m, std::span<const Ctl> controls);
inline FieldTexts TakeFields(const MainModel& m, std::initializer_list<Ctl> controls) {
    return TakeFields(m, std::span<const Ctl>(controls.begin(), controls.size()));
}

// Writes every text held back into its field, in control order.
void ShowFields(MainModel& m, const FieldTexts& fields);

}  // namespace tw
