#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The interface's two languages. Traditional Chinese is the language the texts are written in;
// English comes from translations/cratemark_en.ts. What goes onto the paper never changes with
// the language.
enum class Language { kTraditionalChinese, kEnglish };

// The language a --lang value names, "zh_TW" or "en"; nothing for any other value.
std::optional<Language> LanguageNamed(const QString& name);

// The language for a POSIX message locale such as "en_US.UTF-8": English for en…, Traditional
// Chinese for everything else, the C locale and an unset one included.
Language LanguageOfLocale(const QString& locale);

// The environment's message locale the way the C library picks it: LC_ALL, else LC_MESSAGES,
// else LANG.
QString EnvironmentMessageLocale();

// Makes `language` the running application's: removes translations installed before, installs
// Qt's own for it (the standard buttons, the file and print dialogs) and the program's, and makes
// it the default QLocale. Needs the application object. Returns the translation files that could
// not be loaded; the interface then shows those texts untranslated.
QStringList InstallTranslations(Language language);
