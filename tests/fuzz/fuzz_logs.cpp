// The log readers: any history and delivery log. Get Last and the save's date
// checks read them; the quick date test agrees with the full date rules; a save
// only ever adds whole lines after the old bytes.
#include <cstdint>
#include <cstdlib>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "app/DeliveryLines.h"
#include "app/GetLast.h"
#include "app/HistoryLine.h"
#include "logs/LineDateCheck.h"
#include "logs/LogColumns.h"
#include "app/SaveCalculation.h"

namespace {

const QString kLogs[] = {"Log/Tankwise_H.log", "Log/Tankwise_D.log"};

void Run(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const std::exception&) {  // an ending or an unanswered question
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static tw::WorkFolder* folder = new tw::WorkFolder;
    static tw::FakeDesktop* desktop = new tw::FakeDesktop;
    const char* names[] = {"en_GB", "en_US", "de_DE", "fr_FR"};
    desktop->userLocale = QLocale(QString::fromLatin1(names[data[0] % 4]));
    tw::Program p(*desktop, folder->files());
    Run([&] { p.start("-InhibitUpdate"); });

    // The rest of the input is the two logs, split at the first byte 0xFF.
    const QByteArray input(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype split = input.indexOf('\xFF');
    const QByteArray bytes[] = {input.left(split < 0 ? input.size() : split),
                                split < 0 ? QByteArray() : input.mid(split + 1)};
    for (int i = 0; i < 2; ++i)
        if (!folder->writeBytes(kLogs[i], bytes[i])) std::abort();

    const QLocale locale = desktop->locale();
    const tw::LineDateCheck& quick = tw::LineDateCheck::of(locale);
    for (const QString& log : kLogs)
        for (const QString& line : folder->files().readLines(log)) {
            const QString date = tw::TrimBlanks(line.left(11));
            if (quick.isDate(date) != tw::ParseDate(date, locale).has_value()) std::abort();
        }

    desktop->answers.clear();
    Run([&] { tw::GetLastClick(p); });
    p.main.setText(tw::Ctl::Date2, tw::ShortDate(QDate(2031, 1, 1), locale));
    p.main.setText(tw::Ctl::TDays, "1");
    Run([&] {
        tw::BuildHistoryLine(p);
        tw::BuildDeliveryLines(p);
        p.st.SaveError.clear();
        p.st.HistoryLine += "history";
        p.st.DeliveryLine1 += "delivery";
        p.main.setEnabled(tw::Ctl::Save, true);
        tw::SaveClick(p);
    });
    for (int i = 0; i < 2; ++i) {
        const QByteArray after = folder->bytes(kLogs[i]);
        if (!after.startsWith(bytes[i])) std::abort();
        if (after.size() == bytes[i].size()) continue;
        const bool ended = bytes[i].isEmpty() || bytes[i].endsWith('\n');
        const char next = after[bytes[i].size()];
        if (!after.endsWith("\r\n") || (!ended && next != '\r' && next != '\n')) std::abort();
    }
    return 0;
}
