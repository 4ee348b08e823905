// The German and French texts: every caption and tooltip of the Designer forms and
// of the program's own caption tables has a finished translation in each language,
// and no window gives one access key to two of its controls.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tw
