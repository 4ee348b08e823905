#include "ui/StatementDialog.h"

#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/Program.h"
#include "ui/StatementPainter.h"

namespace tw {

StatementDialog::StatementDialog(Program& p, QWidget* parent)
    : QDialog(parent), p_(p), data_(ReadStatementData(p)), choices_(PeriodsWithReadings(data_.calcs)) {
    setWindowTitle(tr("Tankwise Statement"));
    printer_ = new QPrinter(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageMargins(QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter);

    periods_ = new QComboBox;
    periods_->setAccessibleName(tr("Period"));
    periods_->setToolTip(tr("A heating season runs from 1 July to 30 June"));
    for (const StatementPeriod& period : choices_)
        periods_->addItem((period.season ? tr("Heating season %1") : tr("Calendar year %1")).arg(period.name()));
    auto* label = new QLabel(tr("&Period:"));
    label->setBuddy(periods_);
    preview_ = new QPrintPreviewWidget(printer_, this);
    preview_->setAccessibleName(tr("Statement preview"));
    auto* printButton = new QPushButton(tr("P&rint..."));
    auto* saveButton = new QPushButton(tr("&Save as PDF..."));
    auto* close = new QPushButton(tr("&Close"));
    const bool any = !choices_.empty();
    printButton->setEnabled(any);
    saveButton->setEnabled(any);

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(periods_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(preview_, 1);
    if (!any)
        layout->addWidget(new QLabel(data_.read ? tr("No saved calculations yet: save two readings first.")
                                                : tr("The history or delivery log cannot be read.")));
    layout->addLayout(buttons);

    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { PaintStatement(document_, *printer); });
    connect(periods_, &QComboBox::currentIndexChanged, this, [this](int i) { choose(i); });
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { savePdf(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    const auto preferred = DefaultStatementPeriod(data_.calcs);
    const auto at = std::find(choices_.begin(), choices_.end(), preferred.value_or(StatementPeriod{}));
    if (at != choices_.end()) periods_->setCurrentIndex(int(at - choices_.begin()));
    choose(periods_->currentIndex());
    resize(760, 900);
}

StatementDialog::~StatementDialog() { delete printer_; }

void StatementDialog::choose(int index) {
    if (index < 0 || size_t(index) >= choices_.size()) return;
    document_ = StatementDocumentFor(data_, choices_[size_t(index)], p_.desktop.now().date());
    preview_->updatePreview();
}

void StatementDialog::print() {
    QPrintDialog dialog(printer_, this);
    if (dialog.exec() == QDialog::Accepted) PaintStatement(document_, *printer_);
}

bool StatementDialog::saveAs(const QString& path) {
    const QString problem = WriteStatementPdf(document_, path);
    if (problem.isEmpty()) return true;
    p_.say(tr("Tankwise Statement"), {problem, tr("This may be a permissions problem.")}, Icon::Warning);
    return false;
}

void StatementDialog::savePdf() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name =
        tr("Tankwise statement %1").arg(choices_[size_t(periods_->currentIndex())].name().replace('/', '-'));
    const QString target =
        QFileDialog::getSaveFileName(this, tr("Save as PDF"), folder + "/" + name + ".pdf", tr("PDF files (*.pdf)"));
    if (!target.isEmpty()) saveAs(target);
}

}  // namespace tw
