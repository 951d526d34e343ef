// The hover hints of the exercise window: moving the mouse over a control that explains
// itself writes its hint into the hint line; the bare window surface empties the line.
#pragma once

#include "i18n/InterfaceTexts.h"

#include <QHash>
#include <QObject>

class QLabel;
class QWidget;

class HoverHints : public QObject
{
    Q_OBJECT

public:
    // `surface` holds the controls, `line` shows the hints of the current language of `texts`.
    HoverHints(QWidget *surface, QLabel *line, const i18n::InterfaceTexts &texts);

    // Must be called once all controls of the surface exist. A control that is `described`
    // has its hint as its accessible description.
    void add(QWidget *control, i18n::Slot hint, bool described = true);
    // A hint that is the same in every language.
    void addFixed(QWidget *control, const QString &hint);

    // Screen readers hear the hints as the controls' descriptions.
    void updateDescriptions();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Hint
    {
        int slot; // a Slot, or -1 for the fixed text
        QString fixed;
        bool described;
    };

    void watch(QWidget *control, const Hint &hint);
    QString text(const Hint &hint) const;
    void show(QWidget *control);

    QWidget *m_surface;
    QLabel *m_line;
    const i18n::InterfaceTexts &m_texts;
    QHash<QWidget *, Hint> m_hints;
};
