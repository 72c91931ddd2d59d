// Gregorian year to era year. Years from 1868 on name their era year; the three years in which
// one era gave way to the next name both era years; earlier years name their historical period.

#include "era/gregorian_to_era.h"

#include "era/era_year.h"
#include "state/window_state.h"
#include "tables/era_table.h"
#include "text/readout_format.h"

#include <string>

namespace sorba {

namespace {

// Every period that holds the year writes its text; a "-" in MEM1 also counts for the first.
void showPeriod(WindowState &calc, double year)
{
    for (const Period &period : periods) {
        const bool minusMark = &period == &periods.front() && calc.form.MEM1.text == "-";
        if (period.years.contains(year) || minusMark)
            calc.setReadout(std::string(period.text));
    }
}

void showEraYear(WindowState &calc, const Era &era, double year)
{
    calc.setReadout(plainNumberText(year - era.offset));
    const double eraYear = readoutValue(calc.readout()).value_or(0.0);
    if (calc.state.english()) {
        // The kanji goes into MEM1 in English as well.
        calc.form.MEM1.text = std::string(era.kanjiMark);
        calc.setReadout(wholeYearText(eraYear));
    } else {
        calc.setReadout(std::string(era.name) + wholeYearText(eraYear) + "年");
    }
}

// A boundary year names the last year of one era and the first of the next. In English it
// leaves the earlier era's letter behind, so that the next era-to-Gregorian conversion can
// turn the text back into the year.
void showBoundary(WindowState &calc, const EraBoundary &boundary, double year)
{
    const Era &earlier = era(boundary.earlier);
    const Era &later = era(boundary.later);
    const float singleYear = toSingle(year);
    const std::string earlierYear = blankSignedText(singleYear - toSingle(earlier.offset));
    const std::string laterYear = blankSignedText(singleYear - toSingle(later.offset));

    calc.form.MEM1.text.clear();
    if (calc.state.english()) {
        calc.state.eraBoundaryMark = std::string(earlier.letterMark);
        calc.setReadout(std::string(earlier.letterMark) + earlierYear + ":" +
                        std::string(later.letterMark) + laterYear);
    } else {
        calc.setReadout(std::string(earlier.name) + earlierYear + "年:" + std::string(later.name) +
                        laterYear + "年");
    }
}

} // namespace

void convertGregorianToEra(WindowState &calc)
{
    calc.state.eraBoundaryMark.clear();
    calc.form.MEM2.caption.clear();

    // Whole years only, and no more than six digits of them.
    if (const auto shown = readoutValue(calc.readout()))
        calc.setReadout(wholeYearText(*shown));
    const double year = readoutValue(calc.readout()).value_or(0.0);

    showPeriod(calc, year);

    const bool reiwa = calc.state.reiwaEra;
    for (const EraBoundary &boundary : boundariesInForce(reiwa)) {
        if (year == boundary.year) {
            showBoundary(calc, boundary, year);
            calc.recordTape(TapeMark::ToEra);
            return;
        }
    }
    for (const Era &candidate : erasInForce(reiwa)) {
        if (gregorianYearsInForce(candidate, reiwa).contains(year)) {
            showEraYear(calc, candidate, year);
            calc.recordTape(TapeMark::ToEra);
            return;
        }
    }
    calc.recordTape(TapeMark::ToEra);
}

} // namespace sorba
