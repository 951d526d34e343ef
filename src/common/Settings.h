// The program-wide settings: the interface language with its text table, the text zoom and
// the options.
#pragma once

#include "common/TextZoom.h"
#include "i18n/InterfaceTexts.h"

#include <QObject>

// The program's one set of settings, owned by its start-up and read by both windows.
// Nothing is kept between runs.
class Settings : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The interface language, `language`: nothing until the exercise window's start-up sets
    // it, afterwards what the dialogue-language menu chose. The texts follow it only at
    // the next loadInterfaceTexts().
    i18n::Language language() const { return m_language; }
    void setLanguage(i18n::Language language);

    // Fills the interface texts for language(); any other value than the three languages
    // leaves them as they were.
    void loadInterfaceTexts();
    const i18n::InterfaceTexts &texts() const { return m_texts; }

    // The text size of both windows, in percent of their built-in sizes, within
    // ui::MinZoom..ui::MaxZoom.
    int textZoom() const { return m_zoom; }
    void setTextZoom(int percent);
    // `steps` zoom steps up or down; 0 goes back to 100 %.
    void zoomBy(int steps);

    // Options > Tutor: off at start-up.
    bool tutor() const { return m_tutor; }
    void setTutor(bool on);
    // Options > Speak Hungarian: off at start-up.
    bool speaksHungarian() const { return m_speaksHungarian; }
    void setSpeaksHungarian(bool on);

signals:
    // The windows show a new language only once the texts are loaded again.
    void languageChanged(i18n::Language language);
    // Both windows follow a new text zoom at once.
    void textZoomChanged(int percent);
    // The Options item follows it; the exercise window, from the next press of a button.
    void tutorChanged(bool on);
    // The Options item and the speech follow it.
    void speaksHungarianChanged(bool on);

private:
    i18n::Language m_language = i18n::NoLanguage;
    i18n::InterfaceTexts m_texts;
    int m_zoom = ui::MinZoom;
    bool m_tutor = false;
    bool m_speaksHungarian = false;
};
