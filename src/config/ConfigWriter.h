#pragma once
#include <QLocale>
#include <QString>

#include "calc/FieldTexts.h"

namespace tw {

// The settings as the window shows them: the check boxes' ticks and the fields'
// texts, and the stored shape values (the selection + 1).
struct ShownSettings {
    FieldTexts fields;
    float TankAS = 0, TankBS = 0;
};

// The configuration file's text, exactly as the reader expects it (27 lines, no final
// line end); `stamp` is the time stamp of its third line; field texts are read in
// `locale` and written with a period.
QString ComposeConfiguration(const ShownSettings& s, const QString& stamp, const QLocale& locale);

}  // namespace tw
