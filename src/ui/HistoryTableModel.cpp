#include "ui/HistoryTableModel.h"

#include "calc/Formats.h"

namespace tw {

namespace {
constexpr int kColumns = 6;
}  // namespace

void HistoryTableModel::setRows(std::vector<HistoryTableRow> rows, const QLocale& locale,
                                const QString& unit) {
    beginResetModel();
    rows_ = std::move(rows);
    locale_ = locale;
    unit_ = unit;
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString HistoryTableModel::text(const HistoryTableRow& row, int column) const {
    auto number = [&](std::optional<double> v, int decimals) {
        return v ? locale_.toString(*v, 'f', decimals) : QString();
    };
    switch (column) {
    case 0: return ShortDate(row.date, locale_);
    case 1: return number(row.oil, 0);
    case 2: return row.days ? locale_.toString(*row.days) : QString();
    case 3: return number(row.used, 0);
    case 4: return number(row.perDay, 1);
    case 5: return row.costPerDay ? CurrencyText(*row.costPerDay, locale_) : QString();
    }
    return {};
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= rows_.size()) return {};
    const HistoryTableRow& row = rows_[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole: return text(row, index.column());
    case Qt::TextAlignmentRole: return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        if (index.column() == 3 && row.delivered > 0)
            return tr("Includes %1 %2 delivered").arg(locale_.toString(row.delivered, 'f', 0), unit_);
        return {};
    }
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const QString headers[kColumns] = {tr("Date"),
                                       tr("Oil in tanks\n(%1)").arg(unit_),
                                       tr("Days"),
                                       tr("Oil used\n(%1)").arg(unit_),
                                       tr("Use per day\n(%1)").arg(unit_),
                                       tr("Cost per day")};
    return section >= 0 && section < kColumns ? headers[section] : QVariant();
}

}  // namespace tw
