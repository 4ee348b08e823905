#include "ui/AccessibleNames.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/FormBinder.h"

namespace tw {

namespace {

QLabel* LabelAt(const QGridLayout* grid, int row, int column) {
    if (row < 0 || column < 0) return nullptr;
    const QLayoutItem* item = grid->itemAtPosition(row, column);
    return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

// Beside it, else at the start of its row; and the heading of its column, where the
// row's own label does not already say it all.
std::vector<QPointer<QLabel>> GridLabels(const QGridLayout* grid, int index) {
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    QLabel* beside = LabelAt(grid, row, column - 1);
    if (!beside) beside = LabelAt(grid, row, 0);
    // A label of its own, rather than one at the start of a row of fields, says it all.
    int besideColumn = 0, columnSpan = 1;
    if (beside) {
        int r = 0, rowSpan = 0;
        grid->getItemPosition(grid->indexOf(beside), &r, &besideColumn, &rowSpan, &columnSpan);
    }
    std::vector<QPointer<QLabel>> labels;
    if (beside && beside->pixmap().isNull()) labels.emplace_back(beside);
    if (row > 0 && besideColumn == 0 && columnSpan == 1)
        if (QLabel* heading = LabelAt(grid, 0, column)) labels.emplace_back(heading);
    return labels;
}

// The window's layouts and labels, gathered once for all its fields.
struct WindowParts {
    QList<QLayout*> layouts;
    QList<QLabel*> labels;
};

std::vector<QPointer<QLabel>> LabelsOf(const WindowParts& parts, QWidget* field) {
    for (const QLayout* layout : parts.layouts) {
        const int index = layout->indexOf(field);
        if (index < 0) continue;
        if (const auto* grid = qobject_cast<const QGridLayout*>(layout)) return GridLabels(grid, index);
        if (const auto* form = qobject_cast<const QFormLayout*>(layout))
            if (auto* label = qobject_cast<QLabel*>(form->labelForField(field))) return {label};
        if (index > 0)
            if (auto* label = qobject_cast<QLabel*>(layout->itemAt(index - 1)->widget())) return {label};
    }
    for (QLabel* label : parts.labels)
        if (label->buddy() == field) return {label};
    return {};
}

QString SpokenCaption(const QString& caption) {
    QString text = PlainCaption(caption).simplified();
    while (text.endsWith(':')) text.chop(1);
    return text.trimmed();
}

}  // namespace

bool IsField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget);
}

FieldNames::FieldNames(QWidget* window) {
    const WindowParts parts{window->findChildren<QLayout*>(), window->findChildren<QLabel*>()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // A spin box's or combo box's own line edit is part of it.
        if (!IsField(widget) || IsField(widget->parentWidget())) continue;
        // A name the window gives a field itself stands.
        const bool named = !widget->accessibleName().isEmpty();
        fields_.push_back({widget, named ? std::vector<QPointer<QLabel>>{} : LabelsOf(parts, widget)});
    }
    apply();
}

void FieldNames::apply() {
    for (const Field& field : fields_) {
        if (!field.widget) continue;
        QStringList words;
        for (const QPointer<QLabel>& label : field.labels)
            if (label && !SpokenCaption(label->text()).isEmpty()) words << SpokenCaption(label->text());
        // A field without labels keeps the name its window gave it.
        if (!words.isEmpty() && field.widget->accessibleName() != words.join(' '))
            field.widget->setAccessibleName(words.join(' '));
        if (!field.widget->toolTip().isEmpty() &&
            field.widget->accessibleDescription() != field.widget->toolTip())
            field.widget->setAccessibleDescription(field.widget->toolTip());
    }
}

}  // namespace tw
