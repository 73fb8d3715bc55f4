#include "app/window/programtranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ProgramTranslations {

bool speaksChinese(const QLocale &desktop)
{
    return desktop.language() == QLocale::Chinese || desktop.language() == QLocale::C;
}

namespace {

void installIfLoaded(QCoreApplication &application, QTranslator *translator, bool loaded)
{
    if (loaded)
        application.installTranslator(translator);
    else
        delete translator;
}

} // namespace

void install(QCoreApplication &application, const QLocale &desktop)
{
    // qtbase holds the texts of the file dialogs and message boxes.
    auto *qt = new QTranslator(&application);
    installIfLoaded(application, qt,
                    qt->load(desktop, QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    if (speaksChinese(desktop))
        return;
    auto *english = new QTranslator(&application);
    installIfLoaded(application, english, english->load(QStringLiteral(":/i18n/tervolan_en.qm")));
}

} // namespace ProgramTranslations
