// The rules that turn what the learner typed into a verdict.
#pragma once

#include <QChar>
#include <QString>

namespace answer {

// The accented letter that a typed character enters in the answer box, so that
// Hungarian can be typed on an English keyboard; any other character unchanged.
QChar remapTypedCharacter(QChar typed);

// The text after replacing, again and again, the first occurrence of `findText`
// by one blank until none is left, computed in one pass: with two blanks it
// turns every run of blanks into a single blank. An empty `findText`, or a
// single blank (which would never end), leaves the text unchanged.
QString replaceRunsByBlank(const QString &text, const QString &findText);

// The text without leading and trailing blanks. Only the space counts as a
// blank; tabs and other white space are ordinary characters.
QString trimBlanks(const QString &text);

// Whether an answer is correct: trimmed of blanks, equal to the key character
// for character.
bool matchesKey(const QString &answer, const QString &key);

} // namespace answer
