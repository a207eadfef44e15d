#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "tests/translations/shippedlanguages.h"

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

QList<Entry> ReadCatalogue(const QString& path)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            entry = Entry{context, xml.readElementText(), {}, {}};
        else if (xml.name() == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            entries.append(entry);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

// The catalogue as it would be after the update command: lupdate over the
// code into a copy, keeping texts that left the code so they can be named.
QList<Entry> UpdatedCopy(const QString& catalogue, const QTemporaryDir& folder)
{
    const QString copy = folder.filePath(QFileInfo(catalogue).fileName());
    QFile::copy(catalogue, copy);
    QFile(copy).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(BRACKWATER_SOURCE_DIR));
    const QStringList folders = QStringLiteral(BRACKWATER_TRANSLATED_FOLDERS).split(QLatin1Char(','));
    lupdate.start(QStringLiteral(BRACKWATER_LUPDATE),
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                              QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("-I"),
                              QStringLiteral(BRACKWATER_SOURCE_DIR)}
                      + folders + QStringList{QStringLiteral("-ts"), copy});
    EXPECT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return ReadCatalogue(copy);
}

QString Describe(const Entry& entry)
{
    return QStringLiteral("\n  %1 \"%2\"").arg(entry.context, entry.source);
}

// The placeholders of a text in order of number, e.g. "%1 %2".
std::string Placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%[1-9]"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found.join(QLatin1Char(' ')).toStdString();
}

bool HasAccelerator(const QString& text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

class CatalogueTest : public ::testing::TestWithParam<std::string> {
protected:
    QString Catalogue() const
    {
        return QStringLiteral(BRACKWATER_SOURCE_DIR "/translations/brackwater_%1.ts").arg(QString::fromStdString(GetParam()));
    }
};

// Names every text of the code that the catalogue lacks or has left
// unfinished, and every text it still holds that left the code: the update
// command followed by translating the named texts mends it.
TEST_P(CatalogueTest, TranslatesEveryTextOfTheCodeAndNoOther)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString unfinished;
    QString vanished;
    for (const Entry& entry : UpdatedCopy(Catalogue(), folder)) {
        if (entry.type == QLatin1String("vanished") || entry.type == QLatin1String("obsolete"))
            vanished += Describe(entry);
        else if (entry.type == QLatin1String("unfinished") || entry.translation.isEmpty())
            unfinished += Describe(entry);
    }
    EXPECT_TRUE(unfinished.isEmpty()) << "New or unfinished in " << GetParam() << ":" << unfinished.toStdString();
    EXPECT_TRUE(vanished.isEmpty()) << "No longer in the code (run the update_translations target):"
                                    << vanished.toStdString();
}

TEST_P(CatalogueTest, TranslationsKeepPlaceholdersAndAccelerators)
{
    const QList<Entry> entries = ReadCatalogue(Catalogue());
    ASSERT_FALSE(entries.isEmpty());
    for (const Entry& entry : entries) {
        if (entry.translation.isEmpty())
            continue;
        SCOPED_TRACE((entry.context + QLatin1Char(' ') + entry.source).toStdString());
        EXPECT_EQ(Placeholders(entry.translation), Placeholders(entry.source));
        EXPECT_EQ(HasAccelerator(entry.translation), HasAccelerator(entry.source));
        EXPECT_EQ(entry.translation.startsWith(QLatin1Char(' ')), entry.source.startsWith(QLatin1Char(' ')))
            << "captions that keep a space from their box keep it in every language";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTest, ::testing::ValuesIn(ShippedLanguages()));

}  // namespace
