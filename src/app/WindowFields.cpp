#include "app/WindowFields.h"

namespace tw {

FieldTexts TakeFields(const MainModel& m, std::span<const Ctl> controls) {
    FieldTexts f;
    for (Ctl c : controls) {
        switch (m.at(int(c)).kind) {
        case Kind::CheckBox: f.setTicked(c, m.checked(c)); break;
        case Kind::ComboBox: f.setText(c, m.itemText(c)); break;
        default: f.setText(c, m.text(c)); break;
        }
    }
    return f;
}

void ShowFields(MainModel& m, const FieldTexts& fields) {
    for (const auto& [control, text] : fields.texts()) m.setText(control, text);
}

}  // namespace tw
