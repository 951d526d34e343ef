// The texts of the exercise window that follow the interface language.
#pragma once

#include "i18n/InterfaceTexts.h"

class ExerciseControls;

class ExerciseCaptions
{
public:
    explicit ExerciseCaptions(const ExerciseControls &controls) : m_ui(controls) {}

    // Writes the captions of `texts` on buttons, headings and menus, and the accessible
    // names and descriptions that follow the language.
    void retranslate(const i18n::InterfaceTexts &texts) const;
    // Only the accessible names and descriptions that follow the language.
    void updateAccessibleTexts(const i18n::InterfaceTexts &texts) const;

private:
    const ExerciseControls &m_ui;
};
