#include "common/Settings.h"

void Settings::setLanguage(i18n::Language language)
{
    if (language == m_language)
        return;
    m_language = language;
    emit languageChanged(language);
}

void Settings::loadInterfaceTexts()
{
    m_texts.load(m_language);
}

void Settings::setTextZoom(int percent)
{
    percent = ui::steppedZoom(percent, 0);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    emit textZoomChanged(percent);
}

void Settings::zoomBy(int steps)
{
    setTextZoom(steps == 0 ? ui::MinZoom : ui::steppedZoom(m_zoom, steps));
}

void Settings::setTutor(bool on)
{
    if (on == m_tutor)
        return;
    m_tutor = on;
    emit tutorChanged(on);
}

void Settings::setSpeaksHungarian(bool on)
{
    if (on == m_speaksHungarian)
        return;
    m_speaksHungarian = on;
    emit speaksHungarianChanged(on);
}
