// The whole core driven by event sequences: keys, menu items, clicks, drags, clipboard texts,
// font lists, colour answers, mouse presses, restarts and hand edits of the settings file. After
// every event no number leaves the double range, the readout is clean UTF-8 without control
// characters, the window keeps its size rules and the settings file still reads back.

#include "fuzz_check.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "support/quiet_platform.h"
#include "text/utf8.h"
#include "window/calculator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace sorba::fuzzing {
namespace {

namespace fs = std::filesystem;

// The keys the keyboard map knows, so that short inputs reach the features behind them.
constexpr std::u32string_view usualKeys = U"0123456789.+-*/=xX%]\\cCzaqmtshMTSH \b\r\x1b\x03\x16¥";

// A desktop whose answers come from the input: colour dialogs answer from a queue, the font
// list is whatever the input last gave.
class FuzzPlatform : public testing::QuietPlatform
{
public:
    using QuietPlatform::QuietPlatform;
    std::optional<Colour> chooseColour(Colour /*initial*/) override
    {
        if (colourAnswers.empty())
            return std::nullopt;
        const std::optional<Colour> answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }
    std::vector<std::string> fontNames() override { return fonts; }
    bool fontUsable(std::string_view name) override
    {
        return name == systemFontName || std::find(fonts.begin(), fonts.end(), name) != fonts.end();
    }

    std::deque<std::optional<Colour>> colourAnswers;
    std::vector<std::string> fonts{"Sans", "Serif"};
};

fs::path fastBase()
{
    return ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path();
}

class Session
{
public:
    explicit Session(FuzzedDataProvider &input)
        : m_input(input)
        , m_folder(fastBase())
        , m_platform(m_folder.path())
        , m_settings(m_folder.path(), SettingsFile::Fallback::None)
    {
        start();
    }

    void step()
    {
        switch (m_input.ConsumeIntegralInRange(0, 11)) {
        case 0:
        case 1:
            pressKey();
            break;
        case 2:
            chooseMenu();
            break;
        case 3:
            clickControl();
            break;
        case 4:
            resize();
            break;
        case 5:
            if (m_input.ConsumeBool())
                m_platform.clipboard = m_input.ConsumeRandomLengthString(40);
            else
                m_platform.clipboard.reset();
            break;
        case 6:
            m_platform.fonts.clear();
            for (int n = m_input.ConsumeIntegralInRange(0, 4); n > 0; --n)
                m_platform.fonts.push_back(m_input.ConsumeRandomLengthString(20));
            break;
        case 7:
            if (m_input.ConsumeBool())
                m_platform.colourAnswers.push_back(m_input.ConsumeIntegral<std::uint32_t>());
            else
                m_platform.colourAnswers.push_back(std::nullopt);
            break;
        case 8:
            pressMouse();
            break;
        case 9:
            m_calc->unload();
            break;
        case 10:
            editSettingsFile();
            break;
        default:
            if (m_calc->fontChooser.window.loaded && m_calc->fontChooser.window.onClose)
                m_calc->fontChooser.window.onClose();
            break;
        }
        m_platform.postedEnters.deliver(*m_calc);
        // The program ended (Esc, the exit item, a restart): it starts again on the same folder.
        if (m_platform.ended)
            start();
        check();
    }

    void finish()
    {
        // A write through a file of the program's own reads back.
        const std::string value = m_input.ConsumeRandomLengthString(30);
        std::string stored = value;
        for (char &c : stored) {
            if (c == '\r' || c == '\n' || c == '\0')
                c = ' ';
        }
        SettingsFile file(m_folder.path(), SettingsFile::Fallback::None);
        file.write(setting::Dumy, value);
        require(file.storedValue(setting::Dumy.key) == stored, "a written value reads back");
    }

private:
    void start()
    {
        m_calc.reset();
        m_platform.ended = false;
        m_calc = std::make_unique<Calculator>(m_platform, m_settings);
        m_calc->load();
    }

    void pressKey()
    {
        const int code = m_input.ConsumeIntegral<int>();
        const int mask = m_input.ConsumeIntegralInRange(0, 7);
        char32_t character = 0;
        if (m_input.ConsumeBool())
            character =
                usualKeys[m_input.ConsumeIntegralInRange<std::size_t>(0, usualKeys.size() - 1)];
        else
            character = m_input.ConsumeIntegral<std::uint32_t>();
        m_calc->keyDown(m_input.ConsumeBool() ? 0 : code, mask);
        if (!m_platform.ended)
            m_calc->keyChar(character);
    }

    // A user reaches only the items that are shown and enabled.
    void chooseMenu()
    {
        const auto &items = m_calc->form.menuItems();
        MenuItem &item =
            *items.at(m_input.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)).first;
        if (item.visible && item.enabled && !item.isSeparator())
            m_calc->chooseMenu(item);
    }

    void clickControl()
    {
        std::vector<Control *> controls = m_calc->form.controls();
        if (m_calc->fontChooser.window.loaded && m_calc->fontChooser.window.visible) {
            for (Control *control : m_calc->fontChooser.controls())
                controls.push_back(control);
        }
        Control &control =
            *controls.at(m_input.ConsumeIntegralInRange<std::size_t>(0, controls.size() - 1));
        if (auto *list = dynamic_cast<ListBox *>(&control)) {
            if (list->visible && list->enabled)
                list->click(m_input.ConsumeIntegralInRange<std::size_t>(0, list->items.size()));
        } else {
            m_calc->clickControl(control);
        }
    }

    void resize()
    {
        // Ordinary drags as often as the ends of an int.
        if (m_input.ConsumeBool()) {
            m_calc->form.window.resizeByUser(m_input.ConsumeIntegral<int>(),
                                             m_input.ConsumeIntegral<int>());
        } else {
            m_calc->form.window.resizeByUser(m_input.ConsumeIntegralInRange(0, 3000),
                                             m_input.ConsumeIntegralInRange(0, 9000));
        }
    }

    void pressMouse()
    {
        const auto button = MouseButton(m_input.ConsumeIntegralInRange(0, 2));
        switch (m_input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            m_calc->mouseDownOnReadout(button, m_input.ConsumeBool());
            break;
        case 1:
            m_calc->mouseDownOnWindow(button);
            break;
        default:
            m_calc->doubleClickReadout();
            break;
        }
    }

    // Bytes of any kind, or one key of the program with any value, as a person editing it would.
    void editSettingsFile()
    {
        static constexpr std::string_view keys[] = {
            "FontDef", "FormTop", "FormLeft", "Form2Top", "Form2Left", "Dumy",
            "EndMem",  "SizeH",   "SizeW",    "AllFcs",   "JpFont",    "AtsNoA",
            "MColor",  "LColor",  "RColor",   "EColor",   "XColor"};
        std::string text;
        if (m_input.ConsumeBool()) {
            text = m_input.ConsumeRandomLengthString(200);
        } else {
            text = "[SORBA]\n";
            for (int n = m_input.ConsumeIntegralInRange(1, 4); n > 0; --n) {
                text += keys[m_input.ConsumeIntegralInRange<std::size_t>(0, std::size(keys) - 1)];
                text += '=' + m_input.ConsumeRandomLengthString(30) + '\n';
            }
        }
        std::ofstream(m_settings.path(), std::ios::binary | std::ios::trunc) << text;
    }

    void check() const
    {
        const Calculator &calc = *m_calc;
        const KeypadState &state = calc.state;
        require(std::isfinite(state.accumulator), "the accumulator is finite");
        require(std::isfinite(state.secondOperand), "the second operand is finite");
        require(std::isfinite(state.memoryValue), "the memory is finite");
        const std::string &readout = calc.readout();
        require(isWellFormedUtf8(readout), "the readout is well-formed UTF-8");
        require(
            std::none_of(readout.begin(), readout.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
            "the readout holds no control character");
        const int height = calc.form.window.height();
        const int width = calc.form.window.width();
        if (state.unitPanelShown == 0) {
            require(height == 1356 || height == 1620 || height == 1800, "the height is a band");
            require(width >= 4380 && width <= 7000, "the width is in its range");
        } else {
            require(height == 4750 && width == 4400, "the unit panel keeps its size");
        }
        checkSettingsRead();
    }

    // Every key reads through a settings object of its own, as the next start would.
    void checkSettingsRead() const
    {
        const SettingsFile file(m_folder.path(), SettingsFile::Fallback::None);
        for (const TextSetting &each :
             {setting::FontDef, setting::Dumy, setting::MColor, setting::LColor, setting::RColor,
              setting::EColor, setting::XColor})
            static_cast<void>(file.read(each));
        for (const IntSetting &each :
             {setting::FormTop, setting::FormLeft, setting::Form2Top, setting::Form2Left,
              setting::EndMem, setting::SizeH, setting::SizeW, setting::AllFcs, setting::JpFont,
              setting::AtsNoA})
            static_cast<void>(file.read(each));
        for (const WrittenSetting &each : {setting::Form3Top, setting::Form3Left})
            static_cast<void>(file.storedValue(each.key));
    }

    FuzzedDataProvider &m_input;
    testing::TemporaryFolder m_folder;
    FuzzPlatform m_platform;
    SettingsFile m_settings;
    std::unique_ptr<Calculator> m_calc;
};

} // namespace
} // namespace sorba::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    sorba::fuzzing::Session session(input);
    // Events run until the input is used up, at most a few hundred so one input stays quick.
    for (int event = 0; event < 400 && input.remaining_bytes() > 0; ++event)
        session.step();
    session.finish();
    return 0;
}
