#include "content/Selections.h"

#include "content/ContentData.h"

#include <algorithm>

namespace content {

namespace {

// The row of `code` in `rows`, or nullptr.
template <typename Row, std::size_t N> const Row *rowOf(const std::array<Row, N> &rows, int code)
{
    const auto it =
        std::find_if(rows.begin(), rows.end(), [code](const Row &row) { return row.code == code; });
    return it == rows.end() ? nullptr : &*it;
}

template <typename Row, std::size_t N> int positionOf(const std::array<Row, N> &rows, int code)
{
    const Row *row = rowOf(rows, code);
    return row ? int(row - rows.data()) : -1;
}

} // namespace

const AuxChoice *auxChoiceOf(int auxChoice)
{
    return rowOf(auxChoices, auxChoice);
}

const Person *personOf(int person)
{
    return rowOf(persons, person);
}

int auxListPosition(int auxChoice)
{
    return positionOf(auxChoices, auxChoice);
}

int personListPosition(int person)
{
    return positionOf(persons, person);
}

const char *auxiliaryName(Auxiliary auxiliary)
{
    return data::auxiliaryNames[std::size_t(auxiliary)];
}

} // namespace content
