#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// The program's texts in English while it lives: the translation the program installs for
// --lang en, read from the same :/i18n/cratemark_en.qm compiled into the lowest library, so core
// tests can use it without the application's library; and the English locale. Afterwards the tests'
// own language comes back: no translation and the locale as it was.
class EnglishInterface {
 public:
  EnglishInterface() {
    loaded_ = translator_.load(QStringLiteral("cratemark_en"), QStringLiteral(":/i18n")) &&
              QCoreApplication::installTranslator(&translator_);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
  ~EnglishInterface() {
    QCoreApplication::removeTranslator(&translator_);
    QLocale::setDefault(old_locale_);
  }
  EnglishInterface(const EnglishInterface&) = delete;
  EnglishInterface& operator=(const EnglishInterface&) = delete;

  bool loaded() const { return loaded_; }

 private:
  QLocale old_locale_;
  QTranslator translator_;
  bool loaded_ = false;
};
