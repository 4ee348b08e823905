#pragma once
#include <QAbstractTableModel>
#include <QLocale>
#include <vector>

#include "logs/HistoryTable.h"

namespace tw {

// The History window's table over the rows as they were read: a cell's text is
// made when the view asks for it, so years of daily readings open at once.
class HistoryTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<HistoryTableRow> rows, const QLocale& locale, const QString& unit);
    const std::vector<HistoryTableRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const HistoryTableRow& row, int column) const;

    std::vector<HistoryTableRow> rows_;
    QLocale locale_;
    QString unit_;
};

}  // namespace tw
