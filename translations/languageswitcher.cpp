#include "translations/languageswitcher.h"

#include <vector>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "language/languagechoice.h"
#include "translations/captionfitter.h"
#include "translations/retranslation.h"
#include "translations/textmemory.h"

namespace {

const QString CatalogueFolder = QStringLiteral(":/translations");
const QString CataloguePrefix = QStringLiteral("brackwater_");

struct SpokenState {
    QString language = QString::fromLatin1(SourceLanguage);
    QTranslator* own = nullptr;
    QTranslator* qt = nullptr;
    TTextMemory* memory = nullptr;
};

SpokenState& State()
{
    static SpokenState state;
    return state;
}

void Remove(QTranslator*& translator)
{
    if (translator == nullptr)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

QTranslator* Load(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(qApp);
    if (translator->load(name, folder))
        return translator;
    delete translator;
    return nullptr;
}

std::vector<std::string> Preferred()
{
    std::vector<std::string> codes;
    for (const QString& code : QLocale::system().uiLanguages())
        codes.push_back(code.toStdString());
    return codes;
}

}  // namespace

QStringList TLanguageSwitcher::AvailableLanguages()
{
    QStringList codes{QString::fromLatin1(SourceLanguage)};
    const QStringList files = QDir(CatalogueFolder).entryList({CataloguePrefix + QStringLiteral("*.qm")}, QDir::Files,
                                                              QDir::Name);
    for (const QString& file : files)
        codes.append(QFileInfo(file).completeBaseName().mid(CataloguePrefix.size()));
    return codes;
}

QString TLanguageSwitcher::Speak(const std::string& playerChoice)
{
    std::vector<std::string> available;
    for (const QString& code : AvailableLanguages())
        available.push_back(code.toStdString());
    const QString chosen = QString::fromStdString(ChooseLanguage(available, Preferred(), playerChoice));
    SpokenState& state = State();
    if (state.memory == nullptr) {
        state.memory = new TTextMemory(qApp);
        QCoreApplication::installTranslator(state.memory);
        qApp->installEventFilter(new TCaptionFitter(qApp));
    }
    if (chosen == state.language && state.own != nullptr)
        return chosen;
    // The memory passes questions on to the catalogue: it lets go first.
    state.memory->SetCatalogue(nullptr);
    Remove(state.own);
    Remove(state.qt);
    state.language = chosen;
    if (chosen != QString::fromLatin1(SourceLanguage)) {
        // Qt's own texts (the colour and file dialogs, message box buttons)
        // come from the system's catalogues; the memory is asked first and
        // passes on what the program's catalogue does not know.
        state.qt = Load(QStringLiteral("qtbase_") + chosen, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (state.qt != nullptr)
            QCoreApplication::installTranslator(state.qt);
        state.own = Load(CataloguePrefix + chosen, CatalogueFolder);
    }
    state.memory->SetCatalogue(state.own);
    QLocale::setDefault(QLocale(chosen));
    // Qt's own dialogs translate themselves on a posted event; delivered now,
    // every window speaks the new language when this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    RetranslateOpenWindows(*state.memory);
    TCaptionFitter::FitAllWindows();
    return chosen;
}

QString TLanguageSwitcher::Spoken()
{
    return State().language;
}

QString TLanguageSwitcher::NativeName(const QString& code)
{
    // Qt names the bare "en" after its most likely region, "American English".
    if (code == QString::fromLatin1(SourceLanguage))
        return QStringLiteral("English");
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

QString TLanguageSwitcher::LocalizedFile(const QString& path)
{
    const QFileInfo file(path);
    const QString localized = file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + Spoken()
                                                  + QLatin1Char('.') + file.suffix());
    return Spoken() != QString::fromLatin1(SourceLanguage) && QFileInfo::exists(localized) ? localized : path;
}
