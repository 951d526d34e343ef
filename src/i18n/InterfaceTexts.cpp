#include "i18n/InterfaceTexts.h"

namespace i18n {

void InterfaceTexts::load(Language language)
{
    if (!isLanguage(language))
        return;
    m_language = language;
    for (int slot = 0; slot < SlotCount; ++slot)
        m_slots[slot] = interfaceTextTable.text(Slot(slot), language);
}

} // namespace i18n
