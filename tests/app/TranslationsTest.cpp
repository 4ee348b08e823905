// The German and French texts: every caption and tooltip of the Designer forms and
// of the program's own caption tables has a finished translation in each language,
// and no window gives one access key to two of its controls. A session in German
// shows its message boxes and status lines in German and writes the same logs as
// one in English.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <memory>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "calc/Currency.h"
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
    // A context is a window (the History, Results and Deliveries windows share one):
    // "window|key" -> the caption holding it.
    const auto claimKey = [](QMap<QString, QString>& owners, const QString& context, const QString& caption) {
        const QChar key = AccessKey(caption);
        if (key.isNull()) return;
        const QString slot = context + "|" + key;
        EXPECT_FALSE(owners.contains(slot))
            << "access key " << QString(key).toStdString() << " of " << caption.toStdString() << " already belongs to "
            << owners.value(slot).toStdString();
        owners.insert(slot, caption);
    };
    QSet<QString> previousSources;
    for (const QString language : {"de", "fr"}) {
        SCOPED_TRACE(language.toStdString());
        const QList<Entry> entries = ReadTs(kSources + "/translations/tankwise_" + language + ".ts");
        QSet<QString> sources;
        QMap<QString, QString> keyOwners, englishKeyOwners;
        for (const Entry& e : entries) {
            const std::string where = (e.context + ": " + e.source).toStdString();
            sources.insert(e.context + "|" + e.source);
            EXPECT_TRUE(e.finished && !e.translation.isEmpty()) << "unfinished: " << where;
            // A caption with an access key keeps one; one without gets none.
            EXPECT_EQ(AccessKey(e.source).isNull(), AccessKey(e.translation).isNull()) << where;
            claimKey(keyOwners, e.context, e.translation);
            claimKey(englishKeyOwners, e.context, e.source);
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

// What one session showed and wrote.
struct Session {
    std::vector<ShownMessage> messages;
    QStringList statuses;
    QList<QByteArray> logs;
};

// Types readings with two faulty fields, then correct ones, calculates and saves,
// with `language`'s translation installed ("en": none). The clock and the locale are
// the same for every language: only the words may differ.
Session RunSession(const QString& language) {
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    QTranslator translator;
    if (language != QLatin1String("en")) {
        EXPECT_TRUE(translator.load("tankwise_" + language, TANKWISE_TRANSLATIONS)) << "run the tankwise_lrelease target";
        QCoreApplication::installTranslator(&translator);
    }

    FakeDesktop desktop;
    WorkFolder work;
    Program p(desktop, work.files());
    p.start("-InhibitUpdate");
    Session s;
    const auto type = [&](Ctl c, const QString& text) { p.typed(WindowId::Main, int(c), text); };
    const auto click = [&](Ctl c) {
        p.click(WindowId::Main, int(c));
        s.statuses << p.main.text(Ctl::Status);
    };
    type(Ctl::Date1, "01/03/2010");
    type(Ctl::TARead1, "400");  // deeper than any dipstick reading
    type(Ctl::Date2, "10/04/2010");
    type(Ctl::TARead2, "90");
    type(Ctl::Date3, "10/04/2010");
    type(Ctl::LAdd1, "500");
    type(Ctl::OCost1, "20");  // no oil costs that much a litre
    click(Ctl::Calc);
    type(Ctl::TARead1, "100");
    type(Ctl::OCost1, "0.5");
    click(Ctl::Calc);
    click(Ctl::Save);
    click(Ctl::Calc);  // the same data again is refused
    s.messages = desktop.messages;
    for (const char* log : {"Log/Tankwise.log", "Log/Tankwise_H.log", "Log/Tankwise_D.log"})
        s.logs << work.bytes(log);
    QCoreApplication::removeTranslator(&translator);
    return s;
}

// English words of the program's texts that no German text holds.
const QRegularExpression kEnglish(
    QStringLiteral("\\b(must|between|Reading|Date|Delivery|oil|cost|data|has|not|changed|since|the|"
                   "Calculation|Saved|Error)\\b"));

TEST(Translations, AGermanSessionShowsGermanAndWritesTheEnglishLogs) {
    const Session english = RunSession("en");
    const Session german = RunSession("de");

    // The data error of the faulty fields and the refusal of unchanged data.
    ASSERT_EQ(english.messages.size(), 2u);
    ASSERT_EQ(german.messages.size(), english.messages.size());
    EXPECT_TRUE(english.messages[0].text.contains(QLatin1String("Tank A Reading 1 must be between 0 and 300")));
    for (size_t i = 0; i < german.messages.size(); ++i) {
        const ShownMessage& de = german.messages[i];
        const ShownMessage& en = english.messages[i];
        SCOPED_TRACE(de.text.toStdString());
        EXPECT_EQ(de.title.split(' ').first(), QLatin1String("Tankwise")) << de.title.toStdString();
        EXPECT_NE(de.title, en.title);
        EXPECT_FALSE(de.title.contains(kEnglish)) << de.title.toStdString();
        EXPECT_FALSE(de.text.contains(kEnglish));
        // Each line of the box is translated, none dropped or run together.
        EXPECT_EQ(de.text.split('\n').size(), en.text.split('\n').size());
        EXPECT_EQ(de.icon, en.icon);
    }
    // The field limits stay as the user types them.
    EXPECT_TRUE(german.messages[0].text.contains(QLatin1String("300")));
    EXPECT_TRUE(german.messages[0].text.contains(QLatin1String("9,99")) ||
                german.messages[0].text.contains(QLatin1String("9.99")));

    // Calculate, Calculate, Save, Calculate: the save's status line in German.
    ASSERT_EQ(german.statuses.size(), 4);
    EXPECT_EQ(english.statuses[2], QLatin1String("Calculation Saved"));
    EXPECT_FALSE(german.statuses[2].isEmpty());
    EXPECT_FALSE(german.statuses[2].contains(kEnglish)) << german.statuses[2].toStdString();

    // Other copies of the program read the logs: they never change with the language.
    ASSERT_EQ(german.logs.size(), english.logs.size());
    for (qsizetype i = 0; i < german.logs.size(); ++i) {
        EXPECT_FALSE(english.logs[i].isEmpty());
        EXPECT_EQ(german.logs[i], english.logs[i]) << "log " << i;
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

// A Swiss household's logs keep the word "Tax" they always had, while its windows in
// German or French say "MwSt." or "TVA" as its bills do.
TEST(Translations, TheTaxWordIsTheWindowsLanguagesAndTheLogsKeepTheirs) {
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    EXPECT_EQ(TaxWordOf("CHF"), "Tax");
    EXPECT_EQ(ShownTaxWord("Tax"), "Tax");
    for (const auto& [language, word] : {std::pair{"de", "MwSt."}, std::pair{"fr", "TVA"}}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString("tankwise_") + language, TANKWISE_TRANSLATIONS));
        QCoreApplication::installTranslator(&translator);
        EXPECT_EQ(ShownTaxWord(TaxWordOf("CHF")), word);
        EXPECT_EQ(ShownTaxWord(TaxWordOf(QString::fromUtf8("€"))), word);
        QCoreApplication::removeTranslator(&translator);
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
