#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// Takes out every translator installed while it lives and puts the default locale back, so that
// a test which switches the interface's language leaves the next test the untranslated texts the
// tests are written against.
class LanguageRestorer {
 public:
  LanguageRestorer() = default;
  LanguageRestorer(const LanguageRestorer&) = delete;
  LanguageRestorer& operator=(const LanguageRestorer&) = delete;
  ~LanguageRestorer() {
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) delete t;
    QLocale::setDefault(old_locale_);
  }

 private:
  QLocale old_locale_;
};
