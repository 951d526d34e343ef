// The exercise material: the quoted texts, and the rules every selection's texts follow.
#include "content/ExerciseContent.h"
#include "exercise/ExerciseSession.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <initializer_list>

using content::ExerciseContent;
using content::SegmentCount;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result << s(text);
    return result;
}

QStringList toList(const std::array<QString, SegmentCount> &table)
{
    return QStringList(table.begin(), table.end());
}

QStringList frameSide(const ExerciseContent &content, bool before)
{
    QStringList result;
    for (const content::Frame &frame : content.frames)
        result << (before ? frame.before : frame.after);
    return result;
}

// Every text of the three tables, to compare whole fills.
QStringList tableTexts(const ExerciseContent &content)
{
    return toList(content.segments) + toList(content.keys) + frameSide(content, true) +
           frameSide(content, false);
}

QStringList words(const QString &text)
{
    return text.split(u' ');
}

QString exchangeWord(const QString &text, const QString &from, const QString &to)
{
    QStringList result = words(text);
    const int at = result.indexOf(from);
    if (at < 0)
        return QString();
    result[at] = to;
    return result.join(u' ');
}

// The lines that correct answers to the first `count` segments add to the passage box.
QStringList passageLines(int auxChoice, int person, int count)
{
    exercise::ExerciseSession session;
    session.setAuxChoice(auxChoice);
    session.setPerson(person);
    session.mondat();
    session.kulcsok();
    QStringList lines;
    for (int i = 0; i < count; ++i, session.advance())
        lines << session.passageLine();
    return lines;
}

// The six texts of one row, persons 0, 1, 2, 11, 22, 33.
QStringList byPerson(int auxChoice, const std::function<QString(const ExerciseContent &)> &text)
{
    QStringList result;
    for (int person : content::personCodes)
        result << text(ExerciseContent::forSelection(auxChoice, person));
    return result;
}

} // namespace

// The table a row of texts by person is read from.
enum Table
{
    Segments,
    Keys,
    Before,
    After
};
Q_DECLARE_METATYPE(Table)

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void listItems();
    void personRows_data();
    void personRows();
    void sentenceInitialRows_data();
    void sentenceInitialRows();

    void passages_data();
    void passages();
    void rowKeys_data();
    void rowKeys();
    void tellingRows_data();
    void tellingRows();
    void frames_data();
    void frames();
    void passageBoxLines();

    void officeDayKeysUseAuxiliaryForms_data();
    void officeDayKeysUseAuxiliaryForms();
    void kellTakesPersonalEnding_data();
    void kellTakesPersonalEnding();
    void mixedChoiceForms_data();
    void mixedChoiceForms();
    void segmentsChangeOnlyTheVerb();
    void framesChangeOnlyWhereListed();
    void textRules_data();
    void textRules();
    void sharedRows();
    void groupRows();
    void refill();
    void outOfRangeWritesNothing_data();
    void outOfRangeWritesNothing();
};

void TestContent::listItems()
{
    QStringList auxTexts, indicators, personTexts;
    QList<int> choices, persons;
    for (const content::AuxChoice &choice : content::auxChoices) {
        auxTexts << s(choice.listText);
        choices << choice.code;
        indicators << s(choice.indicator);
    }
    for (const content::Person &person : content::persons) {
        personTexts << s(person.listText);
        persons << person.code;
    }
    QCOMPARE(auxTexts, list({"akar", "fog", "szokott", "kell", "akar/tud/szokott/kell"}));
    QCOMPARE(choices, QList<int>({1, 2, 3, 4, 5}));
    QCOMPARE(indicators,
             list({"+ akar", "+ fog", "+ szokott", "+ kell", "+ akar/kell/szokott/tud"}));
    QCOMPARE(personTexts,
             list({"én:  1", "te:  2", "(ő:  3)", "mi:  1 1", "ti:  2 2", "(ők:  3 3)"}));
    QCOMPARE(persons, QList<int>({1, 2, 0, 11, 22, 33}));

    for (int column = 0; column < 6; ++column)
        QCOMPARE(content::personColumn(content::personCodes[column]), column);
    for (int person : {3, -1, 12, 4, 111})
        QCOMPARE(content::personColumn(person), -1);
}

void TestContent::personRows_data()
{
    QTest::addColumn<QString>("pronoun");
    QTest::addColumn<QString>("ownForm"); // of akar
    QTest::addColumn<QString>("groupForm");
    QTest::addColumn<bool>("pictogram");
    QTest::newRow("én") << s("én") << s("akarok") << s("akarunk") << true;
    QTest::newRow("te") << s("te") << s("akarsz") << s("akartok") << true;
    QTest::newRow("ő") << s("ő") << s("akar") << s("akarnak") << false;
    QTest::newRow("mi") << s("mi") << s("akarunk") << s("akarunk") << true;
    QTest::newRow("ti") << s("ti") << s("akartok") << s("akartok") << true;
    QTest::newRow("ők") << s("ők") << s("akarnak") << s("akarnak") << false;
}

// Each person's list item names its pronoun and selects the code whose keys use that
// pronoun's form, and the group code's form where a group with the person is the subject.
void TestContent::personRows()
{
    QFETCH(QString, pronoun);
    QFETCH(QString, ownForm);
    QFETCH(QString, groupForm);
    QFETCH(bool, pictogram);
    const auto &rows = content::persons;
    const auto row = std::find_if(rows.begin(), rows.end(), [&pronoun](const content::Person &p) {
        return s(p.pronoun) == pronoun;
    });
    QVERIFY(row != rows.end());
    QVERIFY(s(row->listText).contains(pronoun + u':'));

    const ExerciseContent akar = ExerciseContent::forSelection(1, row->code);
    QVERIFY(words(akar.keys[0]).contains(ownForm));
    QVERIFY(words(akar.keys[11]).contains(groupForm));
    // The stored keys of the excursion's group row agree with the group code.
    QCOMPARE(ExerciseContent::forSelection(5, row->code).keys[1],
             ExerciseContent::forSelection(5, row->groupCode).keys[1]);
    const content::Person *group = content::personOf(row->groupCode);
    QVERIFY(group);
    QCOMPARE(group->groupCode, row->groupCode);

    QCOMPARE(row->pictogram != nullptr, pictogram);
    if (pictogram) {
        const QString plain = pronoun.normalized(QString::NormalizationForm_D)
                                  .remove(QRegularExpression(QStringLiteral("\\p{M}")));
        QCOMPARE(s(row->pictogram), QStringLiteral(":/persons/") + plain + QStringLiteral(".svg"));
    }
}

void TestContent::sentenceInitialRows_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<QList<int>>("rows");
    for (int auxChoice = 1; auxChoice <= 3; ++auxChoice)
        QTest::addRow("aux %d", auxChoice) << auxChoice << QList<int>{1, 4, 10, 11};
    QTest::newRow("kell") << 4 << QList<int>{1, 3, 7, 10, 11};
    QTest::newRow("mixed") << 5 << QList<int>{7, 8, 9};
    QTest::newRow("none 0") << 0 << QList<int>{};
    QTest::newRow("none 6") << 6 << QList<int>{};
}

void TestContent::sentenceInitialRows()
{
    QFETCH(int, auxChoice);
    QFETCH(QList<int>, rows);
    QList<int> found;
    for (int i = -1; i <= SegmentCount; ++i)
        if (content::isSentenceInitial(auxChoice, i))
            found << i;
    QCOMPARE(found, rows);
}

// clang-format off
void TestContent::passages_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<QString>("text");
    const QString officeDay = s("Reggel Edit korán kel fel. Pontosan érkezik az irodába. Délelőtt sok levelet ír. Délben lemegy a büfébe. Nem ebédel, csak egy szendvicset eszik, és egy kólát iszik. Délután 5 óráig marad bent az irodában. Azután hazamegy. Este nem marad otthon. Telefonál a barátnőjének. Együtt mennek moziba.");
    for (int auxChoice = 1; auxChoice <= 3; ++auxChoice)
        QTest::addRow("aux %d", auxChoice) << auxChoice << officeDay;
    QTest::newRow("kell") << 4 << s("Pénteken Gábor Angliába utazik. Egy nemzetközi versenyen vesz részt. Csütörtök délelőtt nem megy edzésre. Pénzt vált a bankban, és elkészíti a csomagjait.  Péntek délben már Londonban tart edzést, ezért a reggeli géppel utazik. 7 órakor érkezik a repülőtérre. A verseny után azonnal hazautazik.  Hétfőn már újra itthon lesz. Edzésre megy. Készül a bajnokságra.");
    QTest::newRow("mixed") << 5 << s("Péter minden vasárnap kirándul a barátaival. Igaz, nem mennek messzire, de jól érzik magukat. A barátai ezen a héten felmennek a János-hegyre. Az egész napot a hegyen töltik, és csak este mennek haza. Sajnos Péter most nem megy velük. Otthon marad.  Dolgozik. Megjavítja a mosógépet. Talán délutánra befejezi, és akkor az esti filmet megnézi a televízióban.");
}
// clang-format on

void TestContent::passages()
{
    QFETCH(int, auxChoice);
    QFETCH(QString, text);
    for (int person : content::personCodes)
        QCOMPARE(ExerciseContent::forSelection(auxChoice, person).passageText, text);
}

// clang-format off
void TestContent::rowKeys_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<QStringList>("segments");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("office day") << 1
        << list({"korán kel fel", "pontosan érkezik az irodába", "sok levelet ír", "lemegy", "nem ebédel", "egy szendvicset eszik", "egy kólát iszik", "5 óráig marad bent", "hazamegy", "nem marad otthon", "telefonál", "együtt mennek moziba"})
        << list({"korán akar felkelni", "Pontosan akar az irodába érkezni", "sok levelet akar írni", "le akar menni", "Nem akar ebédelni", "egy szendvicset akar enni", "egy kólát akar inni", "5 óráig akar bent maradni", "haza akar menni", "nem akar otthon maradni", "Telefonálni akar", "Együtt akarnak moziba menni"});
    QTest::newRow("trip") << 4
        << list({"Gábor Angliába utazik", "Egy versenyen vesz részt", "nem megy edzésre", "Pénzt vált", "elkészíti", "Londonban tart edzést", "a reggeli géppel utazik", "Hétkor érkezik a repülőtérre", "azonnal hazautazik", "újra itthon lesz", "Edzésre megy", "Készül"})
        << list({"Gábornak Angliába kell utaznia", "Egy versenyen kell részt vennie", "nem kell edzésre mennie", "Pénzt kell váltania", "el kell készítenie", "Londonban kell edzést tartania", "a reggeli géppel kell utaznia", "Hétkor kell a repülőtérre érkeznie", "azonnal haza kell utaznia", "újra itthon kell lennie", "Edzésre kell mennie", "Készülnie kell"});
    QTest::newRow("excursion") << 5
        << list({"kirándul", "nem mennek messzire", "jól érzik magukat", "felmennek", "a hegyen töltik", "este mennek haza", "nem megy velük", "Otthon marad", "Dolgozik", "Megjavítja", "befejezi", "megnézi"})
        << list({"kirándulni szokott", "nem szoktak messzire menni", "jól szokták érezni magukat", "fel akarnak menni", "a hegyen akarják tölteni", "este akarnak hazamenni", "nem tud velük menni", "Otthon kell maradnia", "Dolgoznia kell", "Meg kell javítania", "be tudja fejezni", "meg tudja nézni"});
    QTest::newRow("excursion mi") << 5
        << list({"kirándulunk", "nem megyünk messzire", "jól érezzük magunkat", "felmennek", "a hegyen töltik", "este mennek haza", "nem megyünk velük", "Otthon maradunk", "Dolgozunk", "Megjavítjuk", "befejezzük", "megnézzük"})
        << QStringList();
}
// clang-format on

void TestContent::rowKeys()
{
    QFETCH(int, auxChoice);
    QFETCH(QStringList, segments);
    QFETCH(QStringList, keys);
    const ExerciseContent content =
        ExerciseContent::forSelection(auxChoice, keys.isEmpty() ? 11 : 0);
    QCOMPARE(toList(content.segments), segments);
    if (!keys.isEmpty())
        QCOMPARE(toList(content.keys), keys);
}

// clang-format off
void TestContent::tellingRows_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("texts"); // persons 0, 1, 2, 11, 22, 33
    QTest::newRow("segments office day 0") << Segments << 1 << 0 << list({"korán kel fel", "korán kelek fel", "korán kelsz fel", "korán kelünk fel", "korán keltek fel", "korán kelnek fel"});
    QTest::newRow("segments office day 3") << Segments << 2 << 3 << list({"lemegy", "lemegyek", "lemész", "lemegyünk", "lementek", "lemennek"});
    QTest::newRow("segments office day 11") << Segments << 3 << 11 << list({"együtt mennek moziba", "együtt megyünk moziba", "együtt mentek moziba", "együtt megyünk moziba", "együtt mentek moziba", "együtt mennek moziba"});
    QTest::newRow("segments trip 0") << Segments << 4 << 0 << list({"Gábor Angliába utazik", "Angliába utazom", "Angliába utazol", "Angliába utazunk", "Angliába utaztok", "a lányok Angliába utaznak"});
    QTest::newRow("segments trip 4") << Segments << 4 << 4 << list({"elkészíti", "elkészítem", "elkészíted", "elkészítjük", "elkészítitek", "elkészítik"});
    QTest::newRow("segments excursion 1") << Segments << 5 << 1 << list({"nem mennek messzire", "nem megyünk messzire", "nem mentek messzire", "nem megyünk messzire", "nem mentek messzire", "nem mennek messzire"});
    QTest::newRow("segments excursion 2") << Segments << 5 << 2 << list({"jól érzik magukat", "jól érezzük magunkat", "jól érzitek magatokat", "jól érezzük magunkat", "jól érzitek magatokat", "jól érzik magukat"});
    QTest::newRow("segments excursion 3") << Segments << 5 << 3 << list({"felmennek", "felmennek", "felmennek", "felmennek", "felmennek", "felmennek"});
    QTest::newRow("keys trip 0") << Keys << 4 << 0 << list({"Gábornak Angliába kell utaznia", "Angliába kell utaznom", "Angliába kell utaznod", "Angliába kell utaznunk", "Angliába kell utaznotok", "a lányoknak Angliába kell utazniuk"});
    QTest::newRow("keys trip 4") << Keys << 4 << 4 << list({"el kell készítenie", "el kell készítenem", "el kell készítened", "el kell készítenünk", "el kell készítenetek", "el kell készíteniük"});
    QTest::newRow("keys trip 11") << Keys << 4 << 11 << list({"Készülnie kell", "Készülnöm kell", "Készülnöd kell", "Készülnünk kell", "Készülnötök kell", "Készülniük kell"});
    QTest::newRow("keys excursion 1") << Keys << 5 << 1 << list({"nem szoktak messzire menni", "nem szoktunk messzire menni", "nem szoktatok messzire menni", "nem szoktunk messzire menni", "nem szoktatok messzire menni", "nem szoktak messzire menni"});
    QTest::newRow("keys excursion 2") << Keys << 5 << 2 << list({"jól szokták érezni magukat", "jól szoktuk érezni magunkat", "jól szoktátok érezni magatokat", "jól szoktuk érezni magunkat", "jól szoktátok érezni magatokat", "jól szokták érezni magukat"});
    QTest::newRow("keys excursion 6") << Keys << 5 << 6 << list({"nem tud velük menni", "nem tudok velük menni", "nem tudsz velük menni", "nem tudunk velük menni", "nem tudtok velük menni", "nem tudnak velük menni"});
    QTest::newRow("keys excursion 10") << Keys << 5 << 10 << list({"be tudja fejezni", "be tudom fejezni", "be tudod fejezni", "be tudjuk fejezni", "be tudjátok fejezni", "be tudják fejezni"});
    QTest::newRow("first frame akar") << Before << 1 << 0 << list({"Ma reggel Edit", "Ma reggel", "Ma reggel", "Ma reggel", "Ma reggel", "Ma reggel a lányok"});
    QTest::newRow("first frame fog") << Before << 2 << 0 << list({"Holnap reggel Edit", "Holnap reggel", "Holnap reggel", "Holnap reggel", "Holnap reggel", "Holnap reggel a lányok"});
    QTest::newRow("first frame szokott") << Before << 3 << 0 << list({"Reggel Edit", "Reggel", "Reggel", "Reggel", "Reggel", "Ma reggel a lányok"});
    QTest::newRow("after office day 10") << After << 2 << 10 << list({"a barátnőjének.", "a barátnőmnek.", "a barátnődnek.", "a barátnőnknek.", "a barátnőtöknek.", "a barátnőjüknek."});
    QTest::newRow("after trip 4") << After << 4 << 4 << list({"a csomagjait.", "a csomagjaimat.", "a csomagjaidat.", "a csomagjainkat.", "a csomagjaitokat.", "a csomagjaikat."});
    QTest::newRow("before excursion 0") << Before << 5 << 0 << list({"Péter minden vasárnap", "Minden vasárnap", "Minden vasárnap", "Minden vasárnap", "Minden vasárnap", "Péter minden vasárnap"});
    QTest::newRow("after excursion 0") << After << 5 << 0 << list({"a barátaival.", "a barátaimmal.", "a barátaiddal.", "a barátainkkal.", "a barátaitokkal.", "a barátaikkal."});
    QTest::newRow("before excursion 3") << Before << 5 << 3 << list({"A barátai ezen a héten", "A barátaim ezen a héten is", "A barátaid ezen a héten is", "A barátaink ezen a héten is", "A barátaitok ezen a héten is", "A barátaik ezen a héten is"});
    QTest::newRow("before excursion 6") << Before << 5 << 6 << list({"Sajnos Péter most", "Sajnos most", "Sajnos most", "Sajnos most", "Sajnos most", "Sajnos Péterék most"});
}
// clang-format on

void TestContent::tellingRows()
{
    QFETCH(Table, table);
    QFETCH(int, auxChoice);
    QFETCH(int, row);
    QFETCH(QStringList, texts);
    QCOMPARE(byPerson(auxChoice,
                      [table, row](const ExerciseContent &content) {
                          switch (table) {
                          case Segments:
                              return content.segments[row];
                          case Keys:
                              return content.keys[row];
                          case Before:
                              return content.frames[row].before;
                          case After:
                              break;
                          }
                          return content.frames[row].after;
                      }),
             texts);
}

// clang-format off
void TestContent::frames_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("office day") << 1
        << list({"Ma reggel Edit", "", "Délelőtt", "Délben", "", "csak", "és", "Délután", "Azután", "Este", "", ""})
        << list({".", ".", ".", "a büfébe.", ",", ",", ".", "az irodában.", ".", ".", "a barátnőjének.", "."});
    QTest::newRow("trip") << 4
        << list({"Pénteken", "", "Csütörtök délelőtt", "", "és", "Péntek délután már", "ezért", "", "A verseny után", "Hétfőn már", "", ""})
        << list({".", ".", ".", "a bankban,", "a csomagjait.", ",", ".", ".", ".", ".", ".", "a bajnokságra."});
    QTest::newRow("excursion") << 5
        << list({"Péter minden vasárnap", "Igaz,", "de", "A barátai ezen a héten", "Az egész napot", "és csak", "Sajnos Péter most", "", "", "", "Talán délutánra", "és akkor az esti filmet"})
        << list({"a barátaival.", ",", ".", "a János-hegyre.", ",", ".", ".", ".", ".", "a mosógépet.", ",", "a televízióban."});
}
// clang-format on

void TestContent::frames()
{
    QFETCH(int, auxChoice);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    const ExerciseContent content = ExerciseContent::forSelection(auxChoice, 0);
    QCOMPARE(frameSide(content, true), before);
    QCOMPARE(frameSide(content, false), after);
}

void TestContent::passageBoxLines()
{
    QCOMPARE(passageLines(1, 0, 5),
             list({"Ma reggel Edit korán akar felkelni.\n", " Pontosan akar az irodába érkezni.\n",
                   "Délelőtt sok levelet akar írni.\n", "Délben le akar menni a büfébe.\n",
                   " Nem akar ebédelni,\n"}));
    QCOMPARE(passageLines(4, 0, 4).last(), s(" Pénzt kell váltania a bankban,\n"));
}

void TestContent::officeDayKeysUseAuxiliaryForms_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<QStringList>("personForms"); // persons 0, 1, 2, 11, 22, 33
    QTest::addColumn<QStringList>("groupForms");
    QTest::newRow("akar") << 1
                          << list({"akar", "akarok", "akarsz", "akarunk", "akartok", "akarnak"})
                          << list({"akarnak", "akarunk", "akartok", "akarunk", "akartok",
                                   "akarnak"});
    QTest::newRow("fog") << 2 << list({"fog", "fogok", "fogsz", "fogunk", "fogtok", "fognak"})
                         << list({"fognak", "fogunk", "fogtok", "fogunk", "fogtok", "fognak"});
    QTest::newRow("szokott")
        << 3 << list({"szokott", "szoktam", "szoktál", "szoktunk", "szoktatok", "szoktak"})
        << list({"szoktak", "szoktunk", "szoktatok", "szoktunk", "szoktatok", "szoktak"});
}

// Each office-day key is the akar key of person 0 with the auxiliary exchanged:
// the person form in rows 0 to 10, the group form in row 11.
void TestContent::officeDayKeysUseAuxiliaryForms()
{
    QFETCH(int, auxChoice);
    QFETCH(QStringList, personForms);
    QFETCH(QStringList, groupForms);
    const ExerciseContent akar = ExerciseContent::forSelection(1, 0);
    for (int column = 0; column < 6; ++column) {
        const ExerciseContent content =
            ExerciseContent::forSelection(auxChoice, content::personCodes[column]);
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(content.keys[i], exchangeWord(akar.keys[i], s("akar"), personForms[column]));
        QCOMPARE(content.keys[11], exchangeWord(akar.keys[11], s("akarnak"), groupForms[column]));
    }
}

void TestContent::kellTakesPersonalEnding_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<int>("row");
    for (int row = 0; row < SegmentCount; ++row)
        QTest::addRow("trip %d", row) << 4 << row;
    for (int row : {7, 8, 9})
        QTest::addRow("excursion %d", row) << 5 << row;
}

// A kell key is its row key with the infinitive's personal ending changed; the
// ending's vowels follow those of the verb. Trip row 0 also changes its subject.
void TestContent::kellTakesPersonalEnding()
{
    QFETCH(int, auxChoice);
    QFETCH(int, row);
    // By person column: back vowels, front unrounded, front rounded.
    const std::array<QStringList, 6> endings = {
        list({"nia", "nie", "nie"}),       list({"nom", "nem", "nöm"}),
        list({"nod", "ned", "nöd"}),       list({"nunk", "nünk", "nünk"}),
        list({"notok", "netek", "nötök"}), list({"niuk", "niük", "niük"})};

    const QString rowKey = ExerciseContent::forSelection(auxChoice, 0).keys[row];
    QVERIFY(words(rowKey).contains(u"kell"));
    QString infinitive;
    for (const QString &word : words(rowKey))
        if (word.endsWith(u"nia") || word.endsWith(u"nie"))
            infinitive = word;
    QVERIFY2(!infinitive.isEmpty(), qPrintable(rowKey));
    const QString stem = infinitive.chopped(3);
    QChar lastVowel;
    for (QChar c : stem)
        if (s("aáeéiíoóöőuúüű").contains(c.toLower()))
            lastVowel = c.toLower();
    const int harmony = infinitive.endsWith(u"nia") ? 0 : s("öőüű").contains(lastVowel) ? 2 : 1;

    for (int column = 1; column < 6; ++column) {
        const int person = content::personCodes[column];
        QString expected = exchangeWord(rowKey, infinitive, stem + endings[column][harmony]);
        if (auxChoice == 4 && row == 0)
            expected = exchangeWord(expected, s("Gábornak"), s("a lányoknak"))
                           .mid(person == 33 ? 0 : s("a lányoknak ").size());
        QCOMPARE(ExerciseContent::forSelection(auxChoice, person).keys[row], expected);
    }
}

void TestContent::mixedChoiceForms_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("forms"); // persons 0, 1, 2, 11, 22, 33
    QTest::newRow("szokott") << 0
                             << list({"szokott", "szoktam", "szoktál", "szoktunk", "szoktatok",
                                      "szoktak"});
    QTest::newRow("tud, definite")
        << 11 << list({"tudja", "tudom", "tudod", "tudjuk", "tudjátok", "tudják"});
}

void TestContent::mixedChoiceForms()
{
    QFETCH(int, row);
    QFETCH(QStringList, forms);
    const QString rowKey = ExerciseContent::forSelection(5, 0).keys[row];
    QCOMPARE(byPerson(5, [row](const ExerciseContent &content) { return content.keys[row]; }),
             QStringList({rowKey, exchangeWord(rowKey, forms[0], forms[1]),
                          exchangeWord(rowKey, forms[0], forms[2]),
                          exchangeWord(rowKey, forms[0], forms[3]),
                          exchangeWord(rowKey, forms[0], forms[4]),
                          exchangeWord(rowKey, forms[0], forms[5])}));
}

// Only the verb (and the subject of trip row 0, the reflexive object of excursion
// row 2) changes with the person; every other word keeps its place and letters,
// and the verb keeps the case of its first letter.
void TestContent::segmentsChangeOnlyTheVerb()
{
    for (int auxChoice : {1, 4, 5}) {
        const ExerciseContent rowKeys = ExerciseContent::forSelection(auxChoice, 0);
        for (int person : content::personCodes) {
            const ExerciseContent content = ExerciseContent::forSelection(auxChoice, person);
            for (int i = 0; i < SegmentCount; ++i) {
                QStringList base = words(rowKeys.segments[i]);
                QStringList text = words(content.segments[i]);
                if (auxChoice == 4 && i == 0) {
                    base.removeFirst();
                    if (person == 0 || person == 33)
                        text = text.mid(person == 0 ? 1 : 2);
                }
                QCOMPARE(text.size(), base.size());
                const int allowed = auxChoice == 5 && i == 2 ? 2 : 1;
                int changed = 0;
                for (int w = 0; w < text.size(); ++w) {
                    if (text[w] == base[w])
                        continue;
                    ++changed;
                    QCOMPARE(text[w].left(1).isUpper(), base[w].left(1).isUpper());
                }
                QVERIFY2(changed <= allowed, qPrintable(content.segments[i]));
            }
        }
    }
}

void TestContent::framesChangeOnlyWhereListed()
{
    const std::array<QList<int>, 5> varyingBefore = {{{0}, {0}, {0}, {}, {0, 3, 6}}};
    const std::array<QList<int>, 5> varyingAfter = {{{10}, {10}, {10}, {4}, {0}}};
    for (int auxChoice = 1; auxChoice <= 5; ++auxChoice) {
        const ExerciseContent base = ExerciseContent::forSelection(auxChoice, 0);
        for (int person : content::personCodes) {
            const ExerciseContent content = ExerciseContent::forSelection(auxChoice, person);
            for (int i = 0; i < SegmentCount; ++i) {
                if (!varyingBefore[auxChoice - 1].contains(i))
                    QCOMPARE(content.frames[i].before, base.frames[i].before);
                if (!varyingAfter[auxChoice - 1].contains(i))
                    QCOMPARE(content.frames[i].after, base.frames[i].after);
            }
        }
    }
}

void TestContent::textRules_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<int>("person");
    for (int auxChoice = 1; auxChoice <= 5; ++auxChoice)
        for (int person : content::personCodes)
            QTest::addRow("aux %d person %d", auxChoice, person) << auxChoice << person;
}

void TestContent::textRules()
{
    QFETCH(int, auxChoice);
    QFETCH(int, person);
    const ExerciseContent content = ExerciseContent::forSelection(auxChoice, person);
    // Characters the answer box turns into accented letters cannot be typed.
    const QString remapped = s("\"')+-0:;=[\\]_`{|}~");
    // The old code-page stand-ins for ő, ű, Ő and Ű.
    const QString oldLetters = QString(QChar(0xF5)) + QChar(0xFB) + QChar(0xD5) + QChar(0xDB);
    const auto hasAny = [](const QString &text, const QString &chars) {
        return std::any_of(chars.begin(), chars.end(),
                           [&text](QChar c) { return text.contains(c); });
    };
    const auto startsWithName = [](const QString &text) {
        for (const char *name : {"Gábor", "Angliába", "Londonban"})
            if (text.startsWith(s(name)))
                return true;
        return false;
    };

    QVERIFY(!hasAny(content.passageText, oldLetters));
    for (int i = 0; i < SegmentCount; ++i) {
        const QString &key = content.keys[i];
        const QString &segment = content.segments[i];
        const content::Frame &frame = content.frames[i];
        const bool initial = content::isSentenceInitial(auxChoice, i);

        QVERIFY2(!key.isEmpty() && !key.contains(u"  ") && key.trimmed() == key, qPrintable(key));
        QVERIFY2(!hasAny(key, remapped), qPrintable(key));
        QVERIFY2(key[0].isUpper() == (initial || startsWithName(key)), qPrintable(key));

        QVERIFY(!segment.isEmpty() && segment.trimmed() == segment);
        QVERIFY2(std::none_of(segment.begin(), segment.end(), [](QChar c) { return c.isPunct(); }),
                 qPrintable(segment));
        // The office-day segments are all in lower case, also where a sentence begins.
        QVERIFY2(segment[0].isUpper() == ((auxChoice > 3 && initial) || startsWithName(segment)),
                 qPrintable(segment));

        QVERIFY(!frame.after.isEmpty() && frame.after.back().isPunct());
        QVERIFY(frame.after.trimmed() == frame.after && frame.before.trimmed() == frame.before);
        for (const QString &text : {key, segment, frame.before, frame.after})
            QVERIFY2(!hasAny(text, oldLetters), qPrintable(text));
    }
}

void TestContent::sharedRows()
{
    const ExerciseContent excursion = ExerciseContent::forSelection(5, 0);
    for (int person : content::personCodes) {
        const QStringList akar = toList(ExerciseContent::forSelection(1, person).segments);
        QCOMPARE(toList(ExerciseContent::forSelection(2, person).segments), akar);
        QCOMPARE(toList(ExerciseContent::forSelection(3, person).segments), akar);

        // In excursion rows 3 to 5 the friends, not the person, are the subject.
        const ExerciseContent content = ExerciseContent::forSelection(5, person);
        for (int i = 3; i <= 5; ++i) {
            QCOMPARE(content.segments[i], excursion.segments[i]);
            QCOMPARE(content.keys[i], excursion.keys[i]);
        }
    }
}

// A row names a group as its subject exactly when each person's key is that of its group
// code, and the key still changes with the person.
void TestContent::groupRows()
{
    int groupRows = 0;
    for (const content::AuxChoice &aux : content::auxChoices) {
        for (int row = 0; row < SegmentCount; ++row) {
            const QStringList keys = byPerson(
                aux.code, [row](const ExerciseContent &content) { return content.keys[row]; });
            bool groupForms = keys.count(keys.first()) < keys.size();
            for (const content::Person &person : content::persons) {
                groupForms = groupForms && keys[content::personColumn(person.code)] ==
                                               keys[content::personColumn(person.groupCode)];
            }
            QCOMPARE(content::isGroupRow(aux.code, row), groupForms);
            groupRows += groupForms;
        }
    }
    QCOMPARE(groupRows, 5); // the last row of the three office days, two of the excursion
}

void TestContent::refill()
{
    ExerciseContent content = ExerciseContent::forSelection(5, 33);
    const QStringList first = tableTexts(content);
    content.fillAll();
    QCOMPARE(tableTexts(content), first);

    // A new selection replaces every entry, leaving nothing of the old one.
    content.auxChoice = 1;
    content.person = 1;
    content.fillAll();
    const ExerciseContent fresh = ExerciseContent::forSelection(1, 1);
    QCOMPARE(content.passageText, fresh.passageText);
    QCOMPARE(tableTexts(content), tableTexts(fresh));
}

void TestContent::outOfRangeWritesNothing_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<int>("person");
    QTest::newRow("aux 0") << 0 << 0;
    QTest::newRow("aux 6") << 6 << 1;
    QTest::newRow("aux -1") << -1 << 33;
    QTest::newRow("person 3") << 1 << 3;
    QTest::newRow("person -1") << 4 << -1;
    QTest::newRow("person 12") << 5 << 12;
}

void TestContent::outOfRangeWritesNothing()
{
    QFETCH(int, auxChoice);
    QFETCH(int, person);
    ExerciseContent content = ExerciseContent::forSelection(2, 22);
    const ExerciseContent before = content;
    content.auxChoice = auxChoice;
    content.person = person;
    content.fillAll();
    // The passage depends on the auxiliary choice only.
    if (auxChoice < 1 || auxChoice > 5)
        QCOMPARE(content.passageText, before.passageText);
    QCOMPARE(tableTexts(content), tableTexts(before));
}

QTEST_APPLESS_MAIN(TestContent)
#include "tst_content.moc"
