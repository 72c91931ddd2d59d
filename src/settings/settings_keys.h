#pragma once
// Every key of the settings file with the value a read yields when the key or the file is
// missing. Readers and writers name keys only through these constants.

#include "tables/system_font.h"
#include "text/readout_format.h"

#include <cstdint>
#include <string_view>

namespace sorba {

struct TextSetting
{
    std::string_view key;
    std::string_view defaultText;
};

struct IntSetting
{
    std::string_view key;
    std::int32_t defaultValue;
};

/// A key that is written but never read back.
struct WrittenSetting
{
    std::string_view key;
};

namespace setting {

inline constexpr TextSetting FontDef{"FontDef", systemFontName};
inline constexpr IntSetting FormTop{"FormTop", 0};
inline constexpr IntSetting FormLeft{"FormLeft", 0};
inline constexpr IntSetting Form2Top{"Form2Top", 1830};
inline constexpr IntSetting Form2Left{"Form2Left", 3555};
inline constexpr WrittenSetting Form3Top{"Form3Top"};
inline constexpr WrittenSetting Form3Left{"Form3Left"};
inline constexpr TextSetting Dumy{"Dumy", zeroReadout};
inline constexpr IntSetting EndMem{"EndMem", 0};
inline constexpr IntSetting SizeH{"SizeH", 855};
inline constexpr IntSetting SizeW{"SizeW", 5295};
inline constexpr IntSetting AllFcs{"AllFcs", 0};
inline constexpr IntSetting JpFont{"JpFont", 0};
inline constexpr IntSetting AtsNoA{"AtsNoA", 0};
inline constexpr TextSetting MColor{"MColor", "&HFFFF"};
inline constexpr TextSetting LColor{"LColor", "&H404040"};
inline constexpr TextSetting RColor{"RColor", "&HFF&"};
inline constexpr TextSetting EColor{"EColor", "&H400000"};
inline constexpr TextSetting XColor{"XColor", "&HFFF"};
// Added beside the original keys; absent, each leaves the program as it always was.
inline constexpr TextSetting Reiwa{"Reiwa", "0"};
inline constexpr TextSetting TaxRate{"TaxRate", "8"};
inline constexpr TextSetting TaxRound{"TaxRound", "0"};
// The calculation tape's window: shown at start-up (0/1), its place and its size.
inline constexpr IntSetting Tape{"Tape", 0};
inline constexpr IntSetting TapeTop{"TapeTop", 0};
inline constexpr IntSetting TapeLeft{"TapeLeft", 5400};
inline constexpr IntSetting TapeW{"TapeW", 3600};
inline constexpr IntSetting TapeH{"TapeH", 4800};

} // namespace setting

} // namespace sorba
