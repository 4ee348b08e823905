// The spreadsheet reader: any bytes as a file to import. Whatever it holds, every
// row read comes back as a reading, a delivery or a refusal with a line of the file,
// in date order, and the plan never puts more than two deliveries in a period.
#include <cstdint>
#include <cstdlib>

#include "logs/ImportPlan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const char* names[] = {"en_GB", "en_US", "de_DE", "fr_FR"};
    const QLocale locale(QString::fromLatin1(names[data[0] % 4]));
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const int lines = int(bytes.count('\n') + bytes.count('\r')) + 1;
    const std::vector<tw::ImportTable> tables = {tw::ReadImportTable("f.csv", bytes, locale)};
    const auto order = tw::DayOrder(data[0] / 4 % 3);
    const tw::ImportRecords records = tw::ReadImportRecords(tables, order, locale);
    for (const tw::ImportProblem& p : records.problems)
        if (p.line < 1 || p.line > lines) std::abort();
    for (size_t k = 1; k < records.readings.size(); ++k)
        if (records.readings[k].date < records.readings[k - 1].date) std::abort();
    const tw::ImportPlan plan = tw::PlanImport(records, {});
    for (const tw::ImportPeriod& p : plan.periods)
        if (p.deliveries.size() > 2 || (!p.starting && p.from.date >= p.to.date)) std::abort();
    return 0;
}
