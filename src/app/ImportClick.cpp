#include "app/ImportClick.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

#include "app/ForecastRun.h"
#include "app/GetLast.h"
#include "app/ImportCommand.h"
#include "app/Program.h"
#include "platform/Files.h"

namespace tw {

namespace {

constexpr int kShownLines = 25;

// A box shows the first lines of a long list and says how many more there are.
QStringList Shortened(QStringList lines) {
    if (lines.size() <= kShownLines) return lines;
    const qsizetype more = lines.size() - kShownLines;
    lines = lines.mid(0, kShownLines);
    lines << QCoreApplication::translate("Messages", "... and %1 more").arg(more);
    return lines;
}

// The names of the fields a column can hold, in the order of ImportField.
constexpr const char* kFieldNames[] = {
    QT_TRANSLATE_NOOP("ColumnChooser", "(not imported)"),   QT_TRANSLATE_NOOP("ColumnChooser", "Date"),
    QT_TRANSLATE_NOOP("ColumnChooser", "Tank A reading"),   QT_TRANSLATE_NOOP("ColumnChooser", "Tank B reading"),
    QT_TRANSLATE_NOOP("ColumnChooser", "Amount delivered"), QT_TRANSLATE_NOOP("ColumnChooser", "Price per unit"),
    QT_TRANSLATE_NOOP("ColumnChooser", "Delivery charge"),  QT_TRANSLATE_NOOP("ColumnChooser", "Oil tax rate"),
    QT_TRANSLATE_NOOP("ColumnChooser", "Charge tax rate"),  QT_TRANSLATE_NOOP("ColumnChooser", "Oil value"),
    QT_TRANSLATE_NOOP("ColumnChooser", "Reading date")};

QStringList FieldNames() {
    QStringList names;
    for (const char* name : kFieldNames) names << QCoreApplication::translate("ColumnChooser", name);
    return names;
}

// A file whose headers say too little: the user tells what its columns hold.
bool ChooseUnknownColumns(Program& p, std::vector<ImportTable>& tables) {
    for (ImportTable& t : tables) {
        if (t.recognised()) continue;
        std::vector<int> preset;
        for (ImportField f : t.columns) preset.push_back(int(f));
        const QStringList sample = t.rows.empty() ? QStringList() : t.rows.front().fields;
        const auto chosen =
            p.desktop.chooseColumns(QCoreApplication::translate("ColumnChooser", "Tankwise Import: %1").arg(t.file),
                                    t.header, sample, FieldNames(), preset);
        if (!chosen) return false;
        for (size_t c = 0; c < t.columns.size() && c < chosen->size(); ++c)
            t.columns[c] = ImportField(std::clamp((*chosen)[c], 0, int(std::size(kFieldNames)) - 1));
    }
    return true;
}

}  // namespace

void ImportFromFile(Program& p, const QString& absolutePath) {
    const QString title = QCoreApplication::translate("Messages", "Tankwise Import");
    if (p.savingRefused(title)) return;
    const QLocale locale = p.desktop.locale();
    ImportSource source = ReadImportFiles({absolutePath}, locale);
    if (!source.error.isEmpty()) {
        p.say(title, {source.error}, Icon::Warning);
        return;
    }
    if (!ChooseUnknownColumns(p, source.tables)) return;
    const QString folder = p.files.root();
    const ImportClock clock = [&p] { return p.desktop.now(); };
    DayOrder order = DayOrder::Unknown;
    ImportResult preview = PreviewImport(folder, source.tables, order, locale, clock);
    if (preview.dayOrderNeeded) {
        const Answer a = p.say(title,
                               QCoreApplication::translate("Messages",
                                                           "The dates in this file could be day first or month first.\n"
                                                           "Are they day first, as 31/12/2024 rather than 12/31/2024?")
                                   .split('\n'),
                               Icon::Question, Buttons::YesNoCancel);
        if (a == Answer::Cancel) return;
        order = a == Answer::Yes ? DayOrder::DayFirst : DayOrder::MonthFirst;
        preview = PreviewImport(folder, source.tables, order, locale, clock);
    }
    QStringList lines = ImportReport(preview, locale);
    if (!preview.failure.isEmpty()) lines << preview.failure;
    if (!preview.accepted()) {
        lines << QCoreApplication::translate("Messages", "Nothing has been imported.");
        p.say(title, Shortened(lines), Icon::Warning);
        return;
    }
    if (preview.periods.empty()) {
        p.say(title, lines << QCoreApplication::translate("Messages", "Nothing new to import."), Icon::Information);
        return;
    }
    lines << QCoreApplication::translate("Messages", "Save these %1 records?").arg(preview.periods.size());
    if (p.say(title, Shortened(lines), Icon::Question, Buttons::OkCancel) != Answer::Ok) return;
    const ImportResult done = CommitImport(folder, source.tables, order, locale, clock);
    if (!done.written) {
        QStringList why = ImportReport(done, locale);
        if (!done.failure.isEmpty()) why << done.failure;
        why << QCoreApplication::translate("Messages", "Nothing has been imported.");
        p.say(title, Shortened(why), Icon::Warning);
        return;
    }
    // A window holding nothing of the user's starts from the newest reading now.
    if (!p.st.FieldsTyped && !p.main.enabled(Ctl::Save)) GetLastClick(p);
    p.setStatus(QCoreApplication::translate("MainWindow", "%1 Records Imported").arg(done.periods.size()));

    ShowOrderBy(p);
}

}  // namespace tw
