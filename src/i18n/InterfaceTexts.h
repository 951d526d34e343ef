// The table of interface texts in Hungarian, English and Spanish.
#pragma once

#include "i18n/TextTable.h"

#include <QString>

#include <array>

namespace i18n {

// The text slots, by role, in their declared order.
enum Slot
{
    txtInstruction,
    txtTitle,
    txtTopic,
    msgWrong,
    hintChar,
    hintSolution,
    hintNext,
    hintReference,
    msgSolutionPrefix,
    hintAux,
    hintAnswer,
    hintPerson,
    msgNotStarted,
    msgCapitals,
    msgLocked,
    hintAuxList,
    hintPersonList,
    msgFinished,
    capStart,
    capSolution,
    capNext,
    capAuxLabel,
    capPersonLabel,
    capFile,
    hintStart,
    capOptions,
    capHelp,
    capHelpTopic,
    capExit,
    capClose,
    capWorkLang,
    capHungarian,
    capEnglish,
    capSpanish,
    capOnTop,
    capHowTo,
    capAuxiliaries,
    capBaseSentences,
    SlotCount
};

// The texts of every slot, in InterfaceTextsData.cpp.
extern const TextTable<Slot, SlotCount> interfaceTextTable;

// The interface texts of one language. The program's settings own the one table that
// both windows read; tests make their own.
class InterfaceTexts
{
public:
    // Writes all slots for `language`; any other value leaves every slot, and language(),
    // as they were.
    void load(Language language);
    // The language of the texts: NoLanguage before the first load.
    Language language() const { return m_language; }

    const QString &operator[](Slot slot) const { return m_slots[slot]; }

private:
    Language m_language = NoLanguage;
    std::array<QString, SlotCount> m_slots;
};

// Texts that are the same in every language.
inline const QString titlePrefix = QStringLiteral("ZELTO   -  ");
inline const QString charCaption = QStringLiteral("&Char");
inline const QString lockedFixed =
    QStringLiteral("Sorry. You cannot change settings before completing the current exercise.");
inline const QString segmentHint =
    QStringLiteral("This is the segment of the sentence you must transform.");
inline const QString characterLegend = QStringLiteral(
    "á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  ő ( [ );  ú ( ] );  ü ( - );  ű ( \\ )");

} // namespace i18n
