#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <ostream>

#include "TextPrinters.h"

#include <gtest/gtest.h>

namespace tw {
inline const QLocale kUk(QLocale::English, QLocale::UnitedKingdom);
}  // namespace tw
