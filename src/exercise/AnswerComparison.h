// A wrong answer against the key, word by word, and letter by letter in a word that differs
// only slightly: what the tutor shows and says after Solution.
#pragma once

#include "i18n/TextTable.h"

#include <QColor>
#include <QList>
#include <QString>

namespace comparison {

// How a piece of the shown text is marked.
enum class Mark
{
    Same,   // plain: typed as the key has it
    Extra,  // struck through: typed, but not in the key
    Missing // underlined: in the key, but not typed
};

struct Piece
{
    Mark mark;
    QString text;

    bool operator==(const Piece &other) const { return mark == other.mark && text == other.text; }
};

// One word of the comparison.
struct Word
{
    enum Kind
    {
        Same,
        Extra,
        Missing,
        Replaced // a typed word in the place of a key word that resembles it
    };

    Kind kind;
    QString typed; // Same, Extra, Replaced
    QString key;   // Same, Missing, Replaced
    // Replaced by a word that differs only slightly (accents, case, a letter or two): its
    // letters, marked. Otherwise empty, and the typed word and the key word are shown one
    // after the other.
    QList<Piece> letters;
};

using Comparison = QList<Word>;

// The answer (as the comparison of answers sees it) against the key. Of a run of more than
// three extra words, the last of the three stands for the rest with an ellipsis; an extra
// word of more than 24 letters shows those and an ellipsis.
Comparison compare(const QString &answer, const QString &key);

// The marked pieces in reading order, words apart by a blank piece.
QList<Piece> pieces(const Comparison &comparison);

// The comparison as rich text for the feedback line: struck-through and underlined pieces,
// each in its colour.
QString toHtml(const Comparison &comparison);

// The comparison as a sentence for screen readers, in `language`:
// "fogok should be fogsz; moziba is missing; az is extra."
QString spoken(const Comparison &comparison, i18n::Language language);

// The colours of the feedback line that shows the comparison: its text on its background,
// and the two marks, each at least 4.5:1 against the background.
inline const QColor lineText(0, 0, 0);
inline const QColor lineBackground(255, 255, 255);
inline const QColor extraColour(176, 0, 0);
inline const QColor missingColour(0, 100, 0);

} // namespace comparison
