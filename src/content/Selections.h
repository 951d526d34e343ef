// The two selections of an exercise, each a table in list order: the auxiliary choices
// and the persons. Every fact about an `auxChoice` or a `person` code is read from here.
#pragma once

#include <array>
#include <optional>

namespace content {

// The passage that an auxiliary choice selects.
enum class Passage
{
    OfficeDay,
    Trip,
    Excursion
};

// The five auxiliaries of the material.
enum class Auxiliary
{
    Akar,
    Fog,
    Szokott,
    Kell,
    Tud
};

// The auxiliaries of the office-day passage, whose keys differ only in the auxiliary; they
// also number the rows of its by-auxiliary tables.
constexpr int OfficeDayAuxiliaryCount = 3;
static_assert(int(Auxiliary::Akar) == 0 && int(Auxiliary::Fog) == 1 &&
              int(Auxiliary::Szokott) == 2);

// An item of the Auxiliaries list.
struct AuxChoice
{
    int code; // `auxChoice`
    const char *listText;
    Passage passage;
    const char *indicator; // the caption of Label6 during the exercise
    // The office-day choices' own auxiliary, whose forms their keys are built with; none for
    // the choices of the other passages.
    std::optional<Auxiliary> officeDayAuxiliary;
};

// An item of the Persons list.
struct Person
{
    int code; // `person`, which is not the list position
    const char *listText;
    const char *pronoun;
    // The person whose form a row uses when a group with this person is the subject.
    int groupCode;
    // The resource of the pictogram; the third persons have none.
    const char *pictogram;
};

extern const std::array<AuxChoice, 5> auxChoices;
extern const std::array<Person, 6> persons;

// The selection that Form_Load sets.
constexpr int startAuxChoice = 2;
constexpr int startPerson = 0;
// The Auxiliaries list shows akar at start-up, while the selection is fog until the first
// pick or Start; the Persons list shows the start-up person.
constexpr int auxChoiceShownAtStart = 1;

// The row of a code, or nullptr for a value outside the set.
const AuxChoice *auxChoiceOf(int auxChoice);
const Person *personOf(int person);

// The list position of a code, or -1 for a value outside the set.
int auxListPosition(int auxChoice);
int personListPosition(int person);

// The dictionary form: "akar", "fog", "szokott", "kell" or "tud".
const char *auxiliaryName(Auxiliary auxiliary);

} // namespace content
