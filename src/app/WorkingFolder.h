#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>

namespace tw {

// The working folder the program runs in: the one the command line names, else the
// one the TANKWISE_HOME variable names, else the user's own data folder.
QString ChooseWorkingFolder(const QString& option, const QString& homeVariable,
                            const QString& userDataFolder);

// The first of the candidate folders that holds the installed defaults
// (Data/Tankwise.ini); empty when none does.
QString FindDefaults(const QStringList& candidates);

// Creates the folder when missing and checks that it can be written. Returns empty
// on success, else the reason it cannot be used; `fresh` tells whether the folder was
// missing or empty, so that it is to be filled from the defaults.
QString OpenWorkingFolder(const QString& folder, bool& fresh);

// Fills a fresh folder from the defaults (Data/, Help/, an empty Log/). In a folder
// already in use only help pages newer than the user's copies are copied over them;
// the user's settings and logs are left alone. Returns empty on success, else why not.
QString SeedWorkingFolder(const QString& folder, const QString& defaults, bool fresh);

// In a folder just filled from the defaults, the first settings take the tax rates
// of the locale's country (where the program knows them); a folder in use is never
// changed. Returns empty on success, else why the settings cannot be written.
QString SetCountryTaxRates(const QString& folder, const QLocale& locale);

}  // namespace tw
