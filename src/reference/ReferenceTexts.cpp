#include "reference/ReferenceTexts.h"

namespace reference {

extern const char *const referenceTextData[i18n::LanguageCount][ReferenceTextCount];

QString referenceText(ReferenceText text, i18n::Language language)
{
    if (language < i18n::Hungarian || language > i18n::Spanish)
        language = i18n::English;
    return QString::fromUtf8(referenceTextData[language - 1][text]);
}

} // namespace reference
