#pragma once
// The four modern eras, the three years in which one era gave way to the next, and the
// historical periods before Meiji: the constant data of both era conversions.

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>

namespace sorba {

enum class EraId { Meiji, Taisho, Showa, Heisei };

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
};

struct Era
{
    EraId id;
    std::string_view name;
    /// The kanji the era keys put into MEM2, and the English Gregorian-to-era result into MEM1.
    std::string_view kanjiMark;
    /// The letter that also selects the era in MEM2, though only for the years in letterYears.
    std::string_view letterMark;
    /// The Gregorian year before the era's first year.
    double offset;
    YearRange letterYears;
    std::optional<EraLimit> limit;
    /// The Gregorian years shown as a year of this era (the boundary years belong to no era).
    YearRange gregorianYears;
};

/// In the order the era-to-Gregorian conversion tests them.
// clang-format off
inline constexpr std::array<Era, 4> eras{{
    {EraId::Meiji, "明治", "明", "M", 1867, {0, Bound::Open, 46, Bound::Open},
     EraLimit{46, "明治は４５年までです。"}, {1867, Bound::Open, 1912, Bound::Open}},
    {EraId::Taisho, "大正", "大", "T", 1911, {0, Bound::Open, 16, Bound::Open},
     EraLimit{16, "大正は１５年までです。"}, {1912, Bound::Open, 1925, Bound::Closed}},
    {EraId::Showa, "昭和", "昭", "S", 1925, {0, Bound::Open, 65, Bound::Open},
     EraLimit{65, "昭和は６４年までです。"}, {1926, Bound::Open, 1989, Bound::Open}},
    // Heisei has no last year: its letter counts for any year and any year converts.
    {EraId::Heisei, "平成", "平", "H", 1988,
     {-noYearLimit, Bound::Closed, noYearLimit, Bound::Closed},
     std::nullopt, {1989, Bound::Open, noYearLimit, Bound::Open}},
}};
// clang-format on

constexpr const Era &era(EraId id)
{
    return eras[static_cast<std::size_t>(id)];
}

static_assert(era(EraId::Meiji).id == EraId::Meiji && era(EraId::Taisho).id == EraId::Taisho &&
              era(EraId::Showa).id == EraId::Showa && era(EraId::Heisei).id == EraId::Heisei);

/// A Gregorian year that holds the last year of one era and the first of the next.
struct EraBoundary
{
    double year;
    EraId earlier;
    EraId later;
};

inline constexpr std::array<EraBoundary, 3> eraBoundaries{{
    {1912, EraId::Meiji, EraId::Taisho},
    {1926, EraId::Taisho, EraId::Showa},
    {1989, EraId::Showa, EraId::Heisei},
}};

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
