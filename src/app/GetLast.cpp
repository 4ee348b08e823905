#include "app/GetLast.h"

#include <QCoreApplication>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/OilPriceInTank.h"
#include "app/Program.h"
#include "app/Clearing.h"
#include "app/RefreshCurrency.h"
#include "calc/Costs.h"
#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "logs/LogColumns.h"
#include "logs/SavedHistory.h"
#include "app/LogFileChecks.h"

namespace tw {

namespace {

// The amount of a currency text the logs wrote ("£1,234.56"), wherever the
// locale puts its symbol.
double CurrencyAmount(const QString& text, const QLocale& locale) {
    const QString amount = StripCurrencySymbol(text, LogCurrencySymbol(locale)).trimmed();
    if (const auto value = LocaleNumber(amount, locale)) return *value;
    return NumberValue(amount, locale);
}

// The carried-over oil value to the cent, as the log keeps it; empty when there is
// none (a negative value, from an older log, is no value either).
QString RestoredOilValue(const QString& piece, const QLocale& locale) {
    if (piece.isEmpty()) return {};
    const double amount = Cents(CurrencyAmount(piece, locale));
    return amount > 0 ? GeneralNumber(amount) : QString();
}

// The last saved reading of the history log: lines at its end that are neither a
// reading nor the log's own header or blank lines (a damaged line, text typed
// into the file) are passed over and counted.
struct LastReading {
    QString line;
    QStringList skipped;  // line texts, last first
};
LastReading FindLastReading(const Files& files, const QString& path, const QLocale& locale) {
    LastReading found;
    SavedHistoryReader reader(locale);
    files.forEachLineBackwards(path, [&](const QString& line) {
        reader.addHistoryLine(line);
        if (!reader.result().readings.empty()) {
            found.line = line;
            return false;
        }
        const QString bare = TrimBlanks(line);
        const bool own = bare.isEmpty() || IsColumnHeader(line) || line.startsWith(QLatin1String("---")) ||
                         line.startsWith(QLatin1String("           , Volume"));
        if (own) return false;
        found.skipped << line;
        return true;
    });
    return found;
}

void SetHeating(Program& p, bool centralHeating, bool waterHeating) {
    p.main.setChecked(Ctl::CHeat1, centralHeating);
    p.main.setChecked(Ctl::CHeat2, centralHeating);
    p.main.setChecked(Ctl::WHeat1, waterHeating);
    p.main.setChecked(Ctl::WHeat2, waterHeating);
}

// A saved delivery dated after the restored first reading goes back into the
// first free pair of delivery fields, marked as already saved.
void RestoreDelivery(Program& p, const QString& line) {
    const QLocale locale = p.desktop.locale();
    if (!IsDeliveryLine(line, locale)) return;
    const auto days = DaysBetween(p.main.text(Ctl::Date1), ColumnText(line, 1, 11), locale);
    if (!days || *days < 1) return;
    const DeliveryPieces d = ReadDeliveryColumns(line);
    const bool first = p.main.text(Ctl::Date3).isEmpty();
    const Ctl date = first ? Ctl::Date3 : Ctl::Date4;
    const Ctl amount = first ? Ctl::LAdd1 : Ctl::LAdd2;
    const Ctl cost = first ? Ctl::OCost1 : Ctl::OCost2;
    const Ctl charge = first ? Ctl::DCharge1 : Ctl::DCharge2;
    p.main.setText(date, d.date);
    p.main.setText(amount, d.amount);
    // The log keeps the costs with the currency symbol the calculation put there.
    const QString logSymbol = LogCurrencySymbol(p.desktop.locale());
    p.main.setText(cost, StripCurrencySymbol(d.oilCost, logSymbol));
    p.main.setText(charge, StripCurrencySymbol(d.charge, logSymbol));
    (first ? p.st.RetrievedDelivery1 : p.st.RetrievedDelivery2) =
        p.main.text(date) + p.main.text(amount) + p.main.text(cost) + p.main.text(charge);
    SetHeating(p, d.centralHeating, d.waterHeating);
}

}  // namespace

void GetLastClick(Program& p) {
    State& st = p.st;
    QString historyLast, deliveryLast, deliveryPrevious;
    int damaged = 0;

    const bool historyRead = ReadLogOrWarn(
        p, LogKind::History,
        QCoreApplication::translate("Messages", "Unable to read from the log file %1.").arg(LogFullPath(p, LogKind::History)), [&] {
            p.step(141);
            st.ReadingRestored = false;
            ClearClick(p);
            CheckDirectory(p, "Log");
            if (CheckLogFile(p, LogKind::History)) return;
            const LastReading last =
                FindLastReading(p.files, LogPath(p, LogKind::History), p.desktop.locale());
            historyLast = last.line;
            damaged = int(last.skipped.size());
        });
    if (!historyRead) return;

    const bool deliveryRead = ReadLogOrWarn(
        p, LogKind::Delivery,
        QCoreApplication::translate("Messages", "Unable to read from the log file %1.").arg(LogFullPath(p, LogKind::Delivery)), [&] {
            p.step(142);
            if (CheckLogFile(p, LogKind::Delivery)) return;
            const QStringList tail = p.files.lastLines(LogPath(p, LogKind::Delivery), 2);
            if (!tail.isEmpty()) deliveryLast = tail.last();
            if (tail.size() > 1) deliveryPrevious = tail.at(tail.size() - 2);
        });
    if (!deliveryRead) return;

    Trapped(p, "History Log File Read Error", [&] {
        p.step(143);
        const QLocale locale = p.desktop.locale();
        const bool historyDated = LineDate(historyLast, locale).has_value();
        if (historyDated) {
            const HistoryPieces h = ReadHistoryColumns(historyLast);
            p.main.setText(Ctl::Date1, h.date);
            p.main.setText(Ctl::TARead1, p.main.checked(Ctl::TankAU) ? h.volumeA : h.depthA);
            p.main.setText(Ctl::TBRead1, p.main.checked(Ctl::TankBU) ? h.volumeB : h.depthB);
            st.OilValue = RestoredOilValue(h.oilValue, locale);
            SetHeating(p, h.centralHeating, h.waterHeating);
        }
        if (!p.main.text(Ctl::Date1).isEmpty()) {
            RestoreDelivery(p, deliveryPrevious);
            p.step(144);
            RestoreDelivery(p, deliveryLast);
        }
        OfferOilPriceInTank(p);
        RefreshCurrency(p, true, true);
        st.ReadingRestored = true;
        st.RestoredReadings = {p.main.text(Ctl::TARead1), p.main.text(Ctl::TBRead1)};

        // A fresh delivery log holds only its creation block: nothing to restore.
        const bool anything = historyDated || IsDeliveryLine(deliveryLast, locale) ||
                              IsDeliveryLine(deliveryPrevious, locale);
        if (anything) {
            // A damaged end of the history log is never restored, and never silently.
            if (damaged == 0)
                p.setStatus(QCoreApplication::translate("MainWindow", "Last Saved Data Restored"));
            else if (damaged == 1)
                p.setStatus(QCoreApplication::translate(
                    "MainWindow", "Last Saved Data Restored; 1 damaged line at the end of %1 skipped")
                                .arg(st.HistoryLogName));
            else
                p.setStatus(QCoreApplication::translate(
                    "MainWindow", "Last Saved Data Restored; %1 damaged lines at the end of %2 skipped")
                                .arg(damaged)
                                .arg(st.HistoryLogName));
            p.main.setFocus(Ctl::Date2);
        } else {
            p.setStatus(QCoreApplication::translate("MainWindow", "No Previous Readings Or Deliveries To Restore"));

            p.main.setFocus(Ctl::Date1);
        }
        p.main.setEnabled(Ctl::Save, false);
    });
}

}  // namespace tw
