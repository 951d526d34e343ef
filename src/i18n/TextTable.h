// The three interface languages, and tables that hold each of their texts in all three.
#pragma once

#include <QString>

#include <cstddef>

namespace i18n {

// Values of `language`. Based on int, so that an out-of-range value, which TextTable has a
// rule for, is still a valid one.
enum Language : int
{
    NoLanguage = 0, // before the first choice
    Hungarian = 1,
    English = 2,
    Spanish = 3
};
constexpr int LanguageCount = 3;

constexpr bool isLanguage(Language language)
{
    return language >= Hungarian && language <= Spanish;
}

// One text in Hungarian, English and Spanish (UTF-8), in the order of `language`. All three
// are needed: a row that leaves one out does not compile.
struct TextRow
{
    constexpr TextRow(const char *hungarian, const char *english, const char *spanish)
        : inLanguage{hungarian, english, spanish}
    {
    }

    const char *inLanguage[LanguageCount];
};

// The texts named by the enumeration `Key`, whose value `Count` counts them: one row each, in
// the order of the enumeration. A table with a row too few or too many does not compile, so
// no text can be left out and come out as an empty string.
//
// The one rule for a language out of range: it has no texts of its own. A text asked for in
// it is the English one, English being the language the program starts in; a fill of a whole
// table (loadInterfaceTexts) asks isLanguage() first and writes nothing for it.
template <typename Key, Key Count> class TextTable
{
public:
    template <std::size_t RowCount>
    explicit constexpr TextTable(const TextRow (&rows)[RowCount]) : m_rows(rows)
    {
        static_assert(RowCount == std::size_t(Count), "a text table needs one row for each text");
    }

    QString text(Key key, Language language) const
    {
        const Language column = isLanguage(language) ? language : English;
        return QString::fromUtf8(m_rows[key].inLanguage[column - 1]);
    }

private:
    const TextRow *m_rows;
};

} // namespace i18n
