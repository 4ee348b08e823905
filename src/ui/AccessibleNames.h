#pragma once
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace tw {

// A widget the user types into, picks from, ticks or reads a result from.
bool IsField(const QWidget* widget);

// Gives every field of a window the name a screen reader speaks and its description:
// the name from the labels beside it and above its column, as a sighted user reads
// the form ("Reading 1 Tank A (cm)"), the description from its tooltip. Captions and
// tooltips follow the unit settings, so `apply` takes them again after each change.
class FieldNames {
public:
    explicit FieldNames(QWidget* window);
    void apply();

private:
    struct Field {
        QPointer<QWidget> widget;
        std::vector<QPointer<QLabel>> labels;
    };
    std::vector<Field> fields_;
};

}  // namespace tw
