#pragma once
// What screen readers say for the main window: the readout with the marks a sighted user reads
// beside it, and menu captions without their leader run and key text.

#include <string>
#include <string_view>

namespace sorba {

class MainForm;

/// The readout's text, then the operation mark, then (in English, where the readout shows a
/// bare era year) the era the memory mark names: "31, Heisei". Blanks around each part go.
std::string spokenReadout(std::string_view readout, std::string_view operationMark,
                          std::string_view memoryMark, bool english);
std::string spokenReadout(const MainForm &form);

struct SpokenCaption
{
    /// The caption up to its leader run or key text: "全入力取り消し".
    std::string name;
    /// The key the caption names between 【】, full-width letters made plain and the key's
    /// place on a Japanese keyboard left out: "C", "\\", "Space"; empty when it names none.
    std::string key;
};

SpokenCaption spokenCaption(std::string_view caption);

} // namespace sorba
