#include "app/startup/LanguageChoice.h"

#include "app/startup/ClassroomChoice.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace app {

quiz::BoardLanguage chooseLanguage(const QStringList &arguments, const QStringList &systemLanguages)
{
    // A teacher's value that names no language the board speaks counts as none.
    for (const QString &teachers : classroomChoices(arguments, QStringLiteral("language"), "QUILLMERE_LANGUAGE")) {
        if (const auto chosen = quiz::BoardLanguage::ofTag(teachers))
            return *chosen;
    }
    return quiz::BoardLanguage::firstSpoken(systemLanguages);
}

void speak(const quiz::BoardLanguage &language)
{
    // The translations of a language spoken before (in a test) go first; a
    // translator leaves the application as it is destroyed.
    static std::vector<std::unique_ptr<QTranslator>> installed;
    installed.clear();
    QLocale::setDefault(language.isEnglish() ? QLocale::system() : QLocale(language.code()));
    QGuiApplication::setLayoutDirection(language.direction());
    if (language.isEnglish())
        return;
    // Qt's own give the names of its accessible actions ("Press") in the language.
    for (const QString &catalogue : {QStringLiteral("quillmere"), QStringLiteral("qtbase")}) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(":/i18n/%1_%2.qm").arg(catalogue, language.code()))
            && QCoreApplication::installTranslator(translator.get()))
            installed.push_back(std::move(translator));
    }
}

} // namespace app
