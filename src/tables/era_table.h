#pragma once
// The modern eras, the years in which one era gave way to the next, and the historical periods
// before Meiji: the constant data of both era conversions and of the era keys. Reiwa counts only
// where the user has chosen it; without it the calendar ends with Heisei, as it always has here.

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

namespace sorba {

enum class EraId { Meiji, Taisho, Showa, Heisei, Reiwa };

enum class Bound { Open, Closed };

/// A span of years; each end is open or closed, and an infinite end leaves that side unbounded.
struct YearRange
{
    double low;
    Bound lowBound;
    double high;
    Bound highBound;

    constexpr bool contains(double year) const
    {
        const bool aboveLow = lowBound == Bound::Closed ? year >= low : year > low;
        const bool belowHigh = highBound == Bound::Closed ? year <= high : year < high;
        return aboveLow && belowHigh;
    }
};

inline constexpr double noYearLimit = std::numeric_limits<double>::infinity();

/// The era year from which an era no longer converts, with the box that says so.
struct EraLimit
{
    double firstInvalidYear;
    std::string_view message;
    /// The era's kanji leaves MEM2 again once the box is closed.
    bool marksOnlyDuringBox;
};

struct Era
{
    EraId id;
    std::string_view name;
    /// The kanji the era keys put into MEM2, and the English Gregorian-to-era result into MEM1.
    std::string_view kanjiMark;
    /// The letter that also selects the era in MEM2, though only for the years in letterYears.
    /// Its key, in either case, is the era's key.
    std::string_view letterMark;
    /// What the era's key puts into MEM2 on its key-down in English.
    std::string_view englishKeyMark;
    /// The Gregorian year before the era's first year.
    double offset;
    YearRange letterYears;
    std::optional<EraLimit> limit;
    /// The Gregorian years shown as a year of this era (the boundary years belong to no era).
    /// The newest era in force holds every later year as well.
    YearRange gregorianYears;
};

inline constexpr YearRange anyYear{-noYearLimit, Bound::Closed, noYearLimit, Bound::Closed};

/// Oldest first, the order the era-to-Gregorian conversion tests them in.
// clang-format off
inline constexpr std::array<Era, 5> eras{{
    {EraId::Meiji, "明治", "明", "M", "Ｍ", 1867, {0, Bound::Open, 46, Bound::Open},
     EraLimit{46, "明治は４５年までです。", false}, {1867, Bound::Open, 1912, Bound::Open}},
    {EraId::Taisho, "大正", "大", "T", "T", 1911, {0, Bound::Open, 16, Bound::Open},
     EraLimit{16, "大正は１５年までです。", false}, {1912, Bound::Open, 1925, Bound::Closed}},
    {EraId::Showa, "昭和", "昭", "S", "S", 1925, {0, Bound::Open, 65, Bound::Open},
     EraLimit{65, "昭和は６４年までです。", true}, {1926, Bound::Open, 1989, Bound::Open}},
    // Heisei has no last year: its letter counts for any year and any year converts, since
    // documents printed before the change of era still carry years such as 平成34年.
    {EraId::Heisei, "平成", "平", "H", "H", 1988, anyYear, std::nullopt,
     {1989, Bound::Open, 2019, Bound::Open}},
    {EraId::Reiwa, "令和", "令", "R", "R", 2018, anyYear, std::nullopt,
     {2019, Bound::Open, noYearLimit, Bound::Open}},
}};
// clang-format on

constexpr const Era &era(EraId id)
{
    return eras[static_cast<std::size_t>(id)];
}

static_assert(era(EraId::Meiji).id == EraId::Meiji && era(EraId::Taisho).id == EraId::Taisho &&
              era(EraId::Showa).id == EraId::Showa && era(EraId::Heisei).id == EraId::Heisei &&
              era(EraId::Reiwa).id == EraId::Reiwa);

/// The eras in force: up to Heisei, or with Reiwa when the user has chosen it.
constexpr std::span<const Era> erasInForce(bool reiwa)
{
    return std::span<const Era>(eras).first(reiwa ? eras.size() : eras.size() - 1);
}

/// The Gregorian years shown as a year of the era; the newest era in force has no end.
constexpr YearRange gregorianYearsInForce(const Era &shown, bool reiwa)
{
    YearRange years = shown.gregorianYears;
    if (&shown == &erasInForce(reiwa).back()) {
        years.high = noYearLimit;
        years.highBound = Bound::Open;
    }
    return years;
}

/// The era whose kanji mark this is.
constexpr const Era *eraOfKanjiMark(std::string_view mark)
{
    for (const Era &candidate : eras) {
        if (candidate.kanjiMark == mark)
            return &candidate;
    }
    return nullptr;
}

/// The era whose key gives this character (its letter in either case), among those in force.
constexpr const Era *eraOfKeyCharacter(char32_t character, bool reiwa)
{
    for (const Era &candidate : erasInForce(reiwa)) {
        const auto upper = static_cast<char32_t>(candidate.letterMark.front());
        if (character == upper || character == upper - U'A' + U'a')
            return &candidate;
    }
    return nullptr;
}

/// A Gregorian year that holds the last year of one era and the first of the next.
struct EraBoundary
{
    double year;
    EraId earlier;
    EraId later;
    /// Converting the English text back writes the year as a whole year once more.
    bool backAsWholeYear;
};

inline constexpr std::array<EraBoundary, 4> eraBoundaries{{
    {1912, EraId::Meiji, EraId::Taisho, false},
    {1926, EraId::Taisho, EraId::Showa, false},
    {1989, EraId::Showa, EraId::Heisei, true},
    {2019, EraId::Heisei, EraId::Reiwa, true},
}};

/// The boundaries between eras in force.
constexpr std::span<const EraBoundary> boundariesInForce(bool reiwa)
{
    return std::span<const EraBoundary>(eraBoundaries)
        .first(reiwa ? eraBoundaries.size() : eraBoundaries.size() - 1);
}

/// The boundary whose earlier era has this letter: what the English boundary mark names.
constexpr const EraBoundary *boundaryOfMark(std::string_view mark)
{
    for (const EraBoundary &boundary : eraBoundaries) {
        if (era(boundary.earlier).letterMark == mark)
            return &boundary;
    }
    return nullptr;
}

/// Years before Meiji are named by their period; the texts are the same in both languages.
struct Period
{
    YearRange years;
    std::string_view text;
};

inline constexpr std::string_view beforeChristText = "紀元前・未対応";

inline constexpr std::array<Period, 10> periods{{
    {{-noYearLimit, Bound::Closed, 0, Bound::Closed}, beforeChristText},
    {{0, Bound::Open, 592, Bound::Open}, "旧石器～古墳時代"},
    {{592, Bound::Closed, 710, Bound::Open}, "飛鳥時代(6C末～)"},
    {{710, Bound::Closed, 794, Bound::Open}, "奈良時代"},
    {{794, Bound::Closed, 1185, Bound::Open}, "平安時代"},
    {{1185, Bound::Closed, 1333, Bound::Open}, "鎌倉時代"},
    {{1333, Bound::Closed, 1336, Bound::Open}, "建武の新政"},
    {{1336, Bound::Closed, 1573, Bound::Open}, "室町時代"},
    {{1573, Bound::Closed, 1603, Bound::Open}, "安土桃山時代"},
    {{1603, Bound::Closed, 1868, Bound::Open}, "江戸時代"},
}};

} // namespace sorba
