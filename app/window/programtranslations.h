#pragma once

#include <QLocale>

class QCoreApplication;

// The languages the window speaks. Its texts are written in Chinese, the
// design's own; on a desktop whose language is neither Chinese nor unset
// (C, POSIX) they are translated into English. Qt's own dialogs and
// buttons speak the desktop's language wherever Qt has a translation.
namespace ProgramTranslations {

// Whether the window shows its texts as written, in Chinese.
bool speaksChinese(const QLocale &desktop);

// Loads and installs the translations for the desktop's language, owned by
// application. Call before any window is built; a missing translation
// leaves the texts as they are.
void install(QCoreApplication &application, const QLocale &desktop = QLocale::system());

} // namespace ProgramTranslations
