// The dialog behind QtDesktop::chooseColumns: one list box per column of a file.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include "ui/QtDesktop.h"

namespace tw {

std::optional<std::vector<int>> QtDesktop::chooseColumns(const QString& title,
                                                         const QStringList& headers,
                                                         const QStringList& sample,
                                                         const QStringList& choices,
                                                         const std::vector<int>& preset) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout(&dialog);
    form->addRow(new QLabel(QCoreApplication::translate("ColumnChooser", "What does each column hold?")));
    std::vector<QComboBox*> boxes;
    for (qsizetype c = 0; c < headers.size(); ++c) {
        auto* box = new QComboBox;
        box->addItems(choices);
        box->setCurrentIndex(c < qsizetype(preset.size()) ? preset[size_t(c)] : 0);
        const QString label =
            QCoreApplication::translate("ColumnChooser", "%1 (%2)", "a column's header (its first value)")
                .arg(headers[c], sample.value(c));
        box->setAccessibleName(label);
        form->addRow(label, box);
        boxes.push_back(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    std::vector<int> chosen;
    for (const QComboBox* box : boxes) chosen.push_back(box->currentIndex());
    return chosen;
}

}  // namespace tw
