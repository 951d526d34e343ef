#include "reference/VariantsGrid.h"

namespace reference {

RowTexts variantRow(int sentence, int auxiliary)
{
    RowTexts row = baseRows[sentence].cells;
    row[ColC] = auxiliaryForms[sentence][auxiliary];
    if (auxiliary == Kell) {
        row[ColC1] = kellInfinitives[sentence];
        const KellSubject &subject = kellSubjects[sentence];
        if (subject.column >= 0)
            row[subject.column] = subject.text;
    } else {
        row[ColC1] = infinitives[sentence];
    }
    return row;
}

} // namespace reference
