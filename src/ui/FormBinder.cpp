#include "ui/FormBinder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include "app/Program.h"

namespace tw {

QString PlainCaption(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            shown += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            shown += '&';  // "&&" shows one ampersand
            ++i;
        }  // a single "&" only marks the access key
    }
    return shown;
}

FormBinder::FormBinder(QWidget* window, WindowModel& model, WindowId id, Program& p,
                       Deliver deliver)
    : window_(window), model_(model), id_(id), p_(p), deliver_(std::move(deliver)),
      context_(window->objectName().toUtf8()) {
    widgets_.resize(static_cast<size_t>(model_.count()));
    for (int c = 0; c < model_.count(); ++c) {
        QWidget* w = window_->findChild<QWidget*>(model_.at(c).name);
        widgets_[static_cast<size_t>(c)] = w;
        if (!w) {
            qWarning("%s window has no control named %s", qPrintable(model_.windowName()),
                     qPrintable(model_.at(c).name));
            continue;
        }
        connectControl(c, w);
    }
    window_->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMoved(now); });
    copyModel();
}

QString FormBinder::shown(const QString& text) const {
    if (text.isEmpty()) return text;
    return QCoreApplication::translate(context_.constData(), text.toUtf8().constData());
}

QWidget* FormBinder::widget(int control) const {
    if (control < 0 || control >= static_cast<int>(widgets_.size())) return nullptr;
    return widgets_[static_cast<size_t>(control)];
}

QStringList FormBinder::missingControls() const {
    QStringList missing;
    for (int c = 0; c < model_.count(); ++c)
        if (!widget(c)) missing << model_.at(c).name;
    return missing;
}

void FormBinder::userEvent(int control, const std::function<void()>& event) {
    deliver_(event);
    if (window_) copyControl(control);
}

void FormBinder::connectControl(int c, QWidget* w) {
    const WindowId id = id_;
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        // The program toggles the box itself; the widget's own toggle is undone first
        // so the box only ever shows the model's state.
        connect(box, &QCheckBox::clicked, this, [this, c, id](bool) {
            copyControl(c);
            userEvent(c, [this, c, id] { p_.click(id, c); });
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, c, id](bool) { userEvent(c, [this, c, id] { p_.click(id, c); }); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        connect(edit, &QLineEdit::textEdited, this, [this, c, id](const QString& text) {
            userEvent(c, [this, c, id, text] { p_.typed(id, c, text); });
        });
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        connect(text, &QPlainTextEdit::textChanged, this, [this, c, id, text] {
            const QString typed = text->toPlainText();
            userEvent(c, [this, c, id, typed] { p_.typed(id, c, typed); });
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        connect(combo, &QComboBox::activated, this, [this, c, id](int index) {
            userEvent(c, [this, c, id, index] { p_.selected(id, c, index); });
        });
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (model_.at(c).kind == Kind::Label) label->setTextFormat(Qt::PlainText);
        if (label->property(kClickable).toBool()) {
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
        }
    }
}

void FormBinder::copyModel() {
    if (!window_ || copiedRevision_ == model_.revision()) return;
    copiedRevision_ = model_.revision();
    for (int c = 0; c < model_.count(); ++c) copyControl(c);
    copyWindow();
}

void FormBinder::copyControl(int c) {
    QWidget* w = widget(c);
    if (!w) return;
    const Control& m = model_.at(c);
    const QSignalBlocker blocker(w);

    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        if (box->isChecked() != m.checked) box->setChecked(m.checked);
        if (const QString t = shown(m.text); box->text() != t) box->setText(t);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (const QString t = shown(m.text); button->text() != t) button->setText(t);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != m.text) {
            edit->setText(m.text);
            // A result too long for its field shows its start, not its end.
            if (edit->isReadOnly()) edit->setCursorPosition(0);
        }
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        if (text->toPlainText() != m.text) text->setPlainText(m.text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        QStringList items;
        for (const QString& item : m.items) items << this->shown(item);
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        if (combo->currentIndex() != m.index) combo->setCurrentIndex(m.index);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (const QString t = shown(m.text); group->title() != t) group->setTitle(t);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (m.kind != Kind::Picture) {
            const QString caption = label->buddy() ? shown(m.text) : PlainCaption(shown(m.text));
            if (label->text() != caption) label->setText(caption);
        }
    }

    if (const QString t = shown(m.tooltip); w->toolTip() != t) w->setToolTip(t);
    if (w->isEnabled() != m.enabled) w->setEnabled(m.enabled);
    if (w->isHidden() == m.visible) w->setVisible(m.visible);
}

void FormBinder::copyWindow() {
    if (const QString t = shown(model_.caption()); window_->windowTitle() != t) window_->setWindowTitle(t);
    applyFocus();
    const bool show = model_.open() && model_.shown();
    if (show && !window_->isVisible()) {
        window_->show();
        window_->raise();
        window_->activateWindow();
    } else if (!show && window_->isVisible()) {
        window_->hide();
    }
}

void FormBinder::applyFocus() {
    const int focus = model_.focus();
    if (focus == focusShown_) return;
    focusShown_ = focus;
    QWidget* w = widget(focus);
    if (!w) return;
    // A control on a tab page in the background brings its page forward first.
    for (QWidget* page = w; page && page != window_; page = page->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr))
            if (tabs->indexOf(page) >= 0) tabs->setCurrentWidget(page);
    w->setFocus(Qt::OtherFocusReason);
}

void FormBinder::focusMoved(QWidget* now) {
    if (!now) return;
    for (int c = 0; c < static_cast<int>(widgets_.size()); ++c) {
        if (widgets_[static_cast<size_t>(c)] != now) continue;
        focusShown_ = c;
        if (model_.focus() != c) model_.setFocus(c);
        return;
    }
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close) {
        // The model decides whether the window closes; the copy hides it if so.
        event->ignore();
        deliver_([this] { p_.close(id_); });
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            for (int c = 0; c < static_cast<int>(widgets_.size()); ++c)
                if (widgets_[static_cast<size_t>(c)] == label) {
                    deliver_([this, c] { p_.click(id_, c); });
                    return true;
                }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tw
