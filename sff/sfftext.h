#pragma once
// The decoder's words. Every text the operator reads is marked with
// QT_TRANSLATE_NOOP("Sff", ...) where it is written down and looked up here,
// either in the installed catalogue or, for output other programs read, kept
// in English.

#include <QCoreApplication>
#include <QString>

namespace sff {

enum class Language { Translated, English };

class Words
{
public:
    explicit Words(Language language) : language_(language) {}

    QString operator()(const char *source) const
    {
        return language_ == Language::Translated ? QCoreApplication::translate("Sff", source)
                                                 : QString::fromUtf8(source);
    }
    Language language() const { return language_; }

private:
    Language language_;
};

}  // namespace sff
