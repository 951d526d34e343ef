#include "i18n/InterfaceTexts.h"

namespace i18n {

extern const char *const interfaceTextData[LanguageCount][SlotCount];

void InterfaceTexts::loadInterfaceTexts()
{
    if (language < Hungarian || language > Spanish)
        return;
    const char *const *column = interfaceTextData[language - 1];
    for (int slot = 0; slot < SlotCount; ++slot)
        m_slots[slot] = QString::fromUtf8(column[slot]);
}

} // namespace i18n
