#include "i18n/AccessibleTexts.h"

#include "i18n/InterfaceTexts.h"

namespace i18n {

extern const char *const accessibleTextData[LanguageCount][AccessibleTextCount];

QString accessibleText(AccessibleText text, Language language)
{
    if (language < Hungarian || language > Spanish)
        language = English;
    return QString::fromUtf8(accessibleTextData[language - 1][text]);
}

} // namespace i18n
