// Japanese era year to Gregorian year. The era is the mark in MEM2 (a kanji from the era keys,
// or a letter), the era year the number in the readout; an English boundary-year text left by
// the Gregorian-to-era conversion converts back through eraBoundaryMark instead.

#include "era/era_to_gregorian.h"

#include "engine/number_entry.h"
#include "engine/overflow.h"
#include "era/era_year.h"
#include "state/window_state.h"
#include "tables/era_table.h"
#include "text/readout_format.h"

#include <optional>
#include <string>
#include <string_view>

namespace sorba {

namespace {

constexpr std::string_view noEraText =
    "入力年数が間違っているか、対応していない変換操作をしました。";
constexpr std::string_view englishNoEraText = "Error made in input or operation.";

// A kanji mark picks its era for any year; a letter mark only for the years its era had.
double eraOffset(std::string_view mark, float eraYear, bool reiwa)
{
    double offset = 0;
    for (const Era &candidate : erasInForce(reiwa)) {
        if (mark == candidate.kanjiMark ||
            (mark == candidate.letterMark && candidate.letterYears.contains(eraYear)))
            offset = candidate.offset;
    }
    return offset;
}

// The era whose last year the readout has passed. Both marks count here, the letter too.
const Era *exceededEra(std::string_view mark, float eraYear, bool reiwa)
{
    const Era *exceeded = nullptr;
    for (const Era &candidate : erasInForce(reiwa)) {
        if ((mark == candidate.kanjiMark || mark == candidate.letterMark) && candidate.limit &&
            eraYear >= candidate.limit->firstInvalidYear)
            exceeded = &candidate;
    }
    return exceeded;
}

bool noMark(std::string_view caption)
{
    // Start-up, "=", C and "c" leave one blank, which is no era either.
    return caption.empty() || caption == " ";
}

// No era chosen and no boundary text to convert back.
void reportNoEra(WindowState &calc)
{
    calc.setReadout(std::string(zeroReadout));
    if (calc.state.warningsShown())
        warnThenCancelInEnglish(calc, noEraText, englishNoEraText);
}

// The English boundary texts convert back to the year they name; only this clears the mark.
void convertBoundaryBack(WindowState &calc, const EraBoundary &boundary)
{
    calc.setReadout(plainNumberText(boundary.year));
    calc.state.eraBoundaryMark.clear();
    if (boundary.backAsWholeYear) {
        if (const auto shown = readoutValue(calc.readout()))
            calc.setReadout(wholeYearText(*shown));
    }
}

// Too large a year for its era is reported whatever the language and the warnings option say.
void reportExceededEra(WindowState &calc, const Era &exceeded)
{
    calc.form.MEM2.caption = std::string(exceeded.kanjiMark);
    calc.platform.messageBox(japaneseTitle, exceeded.limit->message);
    if (exceeded.limit->marksOnlyDuringBox)
        calc.form.MEM2.caption.clear();
    pressCancel(calc);
}

} // namespace

void convertEraToGregorian(WindowState &calc)
{
    KeypadState &state = calc.state;
    const std::string mark = calc.form.MEM2.caption;

    const float eraYear = toSingle(readoutValue(calc.readout()).value_or(0.0));
    const double offset = eraOffset(mark, eraYear, state.reiwaEra);
    const Era *exceeded = exceededEra(mark, eraYear, state.reiwaEra);
    // The comma of a grouped year ends the number, while the checks above used the whole value.
    const float year = singleYearSum(leadingNumber(calc.readout()), offset);

    calc.setReadout("");
    double wholeYear = 0;
    if (state.english())
        calc.setReadout(plainNumberTextSingle(year));
    else
        wholeYear = sevenDigitYear(year);

    const EraBoundary *boundary = boundaryOfMark(state.eraBoundaryMark);
    if (!boundary && noMark(mark))
        reportNoEra(calc);
    calc.form.MEM2.caption.clear();

    if (!state.english())
        calc.setReadout(wholeYearText(wholeYear) + "年");
    else if (boundary)
        convertBoundaryBack(calc, *boundary);

    if (exceeded)
        reportExceededEra(calc, *exceeded);
    calc.recordTape(TapeMark::ToGregorian);
}

} // namespace sorba
