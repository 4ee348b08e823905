#pragma once
#include <QString>
#include <QStringList>
#include <ostream>

// Failure messages show texts as text, not as lists of 2-byte objects.
static inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
static inline void PrintTo(const QStringList& lines, std::ostream* os) {
    *os << '[';
    for (const QString& line : lines) *os << "\n  \"" << line.toStdString() << '"';
    *os << "\n]";
}

#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"

namespace tw {

// A started program over a fresh working folder: the three logs hold only their
// creation blocks, and no message is pending.
class StartedLogs : public testing::Test {
protected:
    void SetUp() override {
        p.start("-InhibitUpdate");
        desktop.messages.clear();
    }

    // The texts of the messages shown so far, as "title|text".
    QStringList shown() const {
        QStringList texts;
        for (const ShownMessage& m : desktop.messages) texts << m.title + "|" + m.text;
        return texts;
    }

    void type(Ctl c, const QString& text) { p.main.setText(c, text); }
    void tick(Ctl c, bool on) { p.main.setChecked(c, on); }

    FakeDesktop desktop;
    WorkFolder folder;
    Program p{desktop, folder.files()};
};

}  // namespace tw
