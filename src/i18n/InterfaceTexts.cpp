#include "i18n/InterfaceTexts.h"

namespace i18n {

extern const char *const interfaceTextData[LanguageCount][SlotCount];

void InterfaceTexts::load(Language language)
{
    if (language < Hungarian || language > Spanish)
        return;
    m_language = language;
    const char *const *column = interfaceTextData[language - 1];
    for (int slot = 0; slot < SlotCount; ++slot)
        m_slots[slot] = QString::fromUtf8(column[slot]);
}

} // namespace i18n
