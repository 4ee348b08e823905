#pragma once
#include <QDialog>
#include <vector>

#include "app/StatementRun.h"

class QComboBox;
class QPrinter;
class QPrintPreviewWidget;

namespace tw {
class Program;

// The History window's Statement...: a period to choose, the statement as it will
// print, and Print and Save as PDF.
class StatementDialog : public QDialog {
    Q_OBJECT

public:
    StatementDialog(Program& p, QWidget* parent);
    ~StatementDialog() override;

    QComboBox* periods() const { return periods_; }
    const StatementDocument& document() const { return document_; }
    // Writes the shown statement; false after telling the user why not.
    bool saveAs(const QString& path);

private:
    void choose(int index);
    void print();
    void savePdf();

    Program& p_;
    StatementData data_;
    std::vector<StatementPeriod> choices_;
    StatementDocument document_;
    QComboBox* periods_ = nullptr;
    QPrinter* printer_ = nullptr;
    QPrintPreviewWidget* preview_ = nullptr;
};

}  // namespace tw
