// One row for each interface language, for table-driven tests.
#pragma once

#include "i18n/InterfaceTexts.h"

#include <QTest>

// Adds the column "language" (an i18n::Language as int) with a row per language.
inline void addLanguageRows()
{
    QTest::addColumn<int>("language");
    QTest::addRow("Hungarian") << int(i18n::Hungarian);
    QTest::addRow("English") << int(i18n::English);
    QTest::addRow("Spanish") << int(i18n::Spanish);
}
