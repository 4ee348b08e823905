// The German and French texts: every caption and tooltip of the Designer forms and
// of the program's own caption tables has a finished translation in each language,
// and no window gives one access key to two of its controls.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "logs/ImportCsv.h"

namespace tw {
namespace {

const QString kSources = QStringLiteral(TANKWISE_RESOURCES "/..");

struct Entry {
    QString context, source, translation;
    bool finished = false;
};

QList<Entry> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QList<Entry> entries;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        else if (xml.name() == QLatin1String("message")) entries.append({context, {}, {}, false});
        else if (xml.name() == QLatin1String("source")) entries.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            // "unfinished", "obsolete" and "vanished" entries are not shown by the program.
            entries.last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            entries.last().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

// Every text of a form that is shown to the user, as "Form|text".
QSet<QString> FormTexts() {
    QSet<QString> texts;
    for (const QString& name : QDir(kSources + "/src/ui").entryList({"*.ui"})) {
        QFile file(kSources + "/src/ui/" + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString form;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("class") && form.isEmpty()) form = xml.readElementText();
            else if (xml.name() == QLatin1String("string") &&
                     xml.attributes().value(QLatin1String("notr")) != QLatin1String("true")) {
                const QString text = xml.readElementText();
                if (!text.isEmpty()) texts.insert(form + "|" + text);
            }
        }
    }
    return texts;
}

// The access key of a caption: the letter or digit after a single "&", lower case
// (a tooltip's "Tank & Oil" has none).
QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1].isLetterOrNumber()) return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

TEST(Translations, EveryShownTextIsTranslatedWithItsOwnAccessKey) {
    const QSet<QString> formTexts = FormTexts();
    ASSERT_GT(formTexts.size(), 50);  // the forms were found and read
    QSet<QString> previousSources;
    for (const QString language : {"de", "fr"}) {
        SCOPED_TRACE(language.toStdString());
        const QList<Entry> entries = ReadTs(kSources + "/translations/tankwise_" + language + ".ts");
        QSet<QString> sources;
        QMap<QString, QString> keyOwners;  // "window|key" -> the caption holding it
        for (const Entry& e : entries) {
            const std::string where = (e.context + ": " + e.source).toStdString();
            sources.insert(e.context + "|" + e.source);
            EXPECT_TRUE(e.finished && !e.translation.isEmpty()) << "unfinished: " << where;
            // A caption with an access key keeps one; one without gets none.
            EXPECT_EQ(AccessKey(e.source).isNull(), AccessKey(e.translation).isNull()) << where;
            const QChar key = AccessKey(e.translation);
            if (key.isNull()) continue;
            const QString slot = e.context + "|" + key;
            EXPECT_FALSE(keyOwners.contains(slot))
                << "access key " << QString(key).toStdString() << " of " << e.translation.toStdString()
                << " already belongs to " << keyOwners.value(slot).toStdString();
            keyOwners.insert(slot, e.translation);
        }
        for (const QString& text : formTexts)
            EXPECT_TRUE(sources.contains(text)) << "missing: " << text.toStdString();
        // Both languages cover the same texts: one left behind shows English.
        if (!previousSources.isEmpty()) {
            EXPECT_EQ(sources, previousSources);
        }
        previousSources = sources;
    }
}

// A spreadsheet exported in the user's language imports again: each translated
// header names the column its English one names.
TEST(Translations, SpreadsheetHeadersReadBackAsTheSameColumns) {
    for (const QString language : {"de", "fr"})
        for (const Entry& e : ReadTs(kSources + "/translations/tankwise_" + language + ".ts")) {
            if (e.context == QLatin1String("CsvExport")) {
                EXPECT_EQ(FieldOfHeader(e.translation), FieldOfHeader(e.source)) << e.translation.toStdString();
            }
        }
}

// Each translated help page has the English page's sections and links, in the same
// order; Help opens the page of the windows' language, the English one where that
// page is missing.
TEST(Translations, HelpOpensThePageOfTheWindowsLanguage) {
    const auto anchors = [](const QString& page) {
        QFile file(kSources + "/resources/Help/" + page);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        static const QRegularExpression anchor(QStringLiteral("(?:id|href)=\"#?[\\w-]+\""));
        QStringList found;
        for (auto it = anchor.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();)
            found << it.next().captured();
        return found;
    };
    const QStringList english = anchors("index.htm");
    ASSERT_GT(english.size(), 60);
    for (const QString language : {"de", "fr"}) {
        SCOPED_TRACE(language.toStdString());
        EXPECT_EQ(anchors(language + "/index.htm"), english);
        FakeDesktop desktop;
        WorkFolder work;
        Program p(desktop, work.files());
        p.st.WindowLanguage = language;
        p.start("-InhibitUpdate");
        p.click(WindowId::Main, int(Ctl::Help1));
        work.remove("Help/" + language);
        p.click(WindowId::Main, int(Ctl::Help1));
        EXPECT_EQ(desktop.opened, QStringList({"Help/" + language + "/index.htm", "Help/index.htm"}));
    }
}

}  // namespace
}  // namespace tw
