#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Marks the translators this file installed, so a second call can take them out again.
constexpr char kTranslatorName[] = "cratemark-translator";

bool Install(const QString& file, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  translator->setObjectName(QLatin1String(kTranslatorName));
  if (translator->load(file, folder) && QCoreApplication::installTranslator(translator)) {
    return true;
  }
  delete translator;
  return false;
}

}  // namespace

std::optional<Language> LanguageNamed(const QString& name) {
  if (name == QLatin1String("zh_TW")) return Language::kTraditionalChinese;
  if (name == QLatin1String("en")) return Language::kEnglish;
  return std::nullopt;
}

Language LanguageOfLocale(const QString& locale) {
  return locale.startsWith(QLatin1String("en")) ? Language::kEnglish
                                                : Language::kTraditionalChinese;
}

QString EnvironmentMessageLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(name);
    if (!value.isEmpty()) return value;
  }
  return {};
}

QStringList InstallTranslations(Language language) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return {};
  // Deleting a translator uninstalls it.
  for (QTranslator* old : app->findChildren<QTranslator*>(QLatin1String(kTranslatorName),
                                                          Qt::FindDirectChildrenOnly)) {
    delete old;
  }

  QStringList missing;
  if (language == Language::kEnglish) {
    // Qt's own texts are English already; only the program's need a translation.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!Install(QStringLiteral("cratemark_en"), QStringLiteral(":/i18n"))) {
      missing << QStringLiteral(":/i18n/cratemark_en.qm");
    }
  } else {
    QLocale::setDefault(
        QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!Install(QStringLiteral("qtbase_zh_TW"), folder)) {
      missing << folder + QStringLiteral("/qtbase_zh_TW.qm");
    }
  }
  return missing;
}
