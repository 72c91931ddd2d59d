// The font chooser: the list is rebuilt on every load, a highlighted name is previewed on the
// readout at once, and only OK writes the setting.

#include "shell/font_chooser.h"

#include "state/window_state.h"
#include "tables/twips_range.h"

#include <unordered_set>

namespace sorba {

namespace {

// The busy pointer for as long as the list fills, however the filling ends.
class BusyPointer
{
public:
    explicit BusyPointer(Platform &platform)
        : m_platform(platform)
    {
        m_platform.setBusyPointer(true);
    }
    ~BusyPointer() { m_platform.setBusyPointer(false); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    Platform &m_platform;
};

void fillFontList(WindowState &calc)
{
    const BusyPointer busy(calc.platform);
    ListBox &list = calc.fontChooser.Lstfontname;
    list.items.clear();
    list.highlighted.reset();
    const std::vector<std::string> listed = calc.platform.fontNames();
    list.items.reserve(listed.size());
    // A vertical-writing face ("@Name") is listed by its plain name, and each name once, in the
    // platform's order. The names seen are views into `listed`, which outlives the loop.
    std::unordered_set<std::string_view> seen;
    seen.reserve(listed.size());
    for (const std::string &entry : listed) {
        std::string_view name = entry;
        if (name.starts_with('@'))
            name.remove_prefix(1);
        if (seen.insert(name).second)
            list.items.emplace_back(name);
    }
}

const std::string *highlightedName(const ListBox &list)
{
    if (!list.highlighted || *list.highlighted >= list.items.size())
        return nullptr;
    return &list.items[*list.highlighted];
}

} // namespace

void ensureFontChooserLoaded(WindowState &calc)
{
    FontChooser &chooser = calc.fontChooser;
    if (chooser.window.loaded)
        return;
    chooser.window.loaded = true;
    chooser.window.visible = false;
    chooser.FNTNAME.caption = calc.settings.read(setting::FontDef);
    chooser.window.top = clampTwips(calc.settings.read(setting::Form2Top));
    chooser.window.left = clampTwips(calc.settings.read(setting::Form2Left));
    fillFontList(calc);
}

void showFontChooser(WindowState &calc)
{
    ensureFontChooserLoaded(calc);
    calc.fontChooser.window.visible = true;
}

void fontHighlighted(WindowState &calc)
{
    const std::string *name = highlightedName(calc.fontChooser.Lstfontname);
    if (name == nullptr)
        return;
    calc.fontChooser.FNTNAME.caption = *name;
    // A face the platform cannot use leaves the readout's font as it was.
    if (calc.platform.fontUsable(*name))
        calc.form.Readout.fontName = *name;
}

void storeChosenFont(WindowState &calc)
{
    FontChooser &chooser = calc.fontChooser;
    const std::string *highlighted = highlightedName(chooser.Lstfontname);
    const std::string name = highlighted ? *highlighted : std::string(systemFontName);
    chooser.FNTNAME.caption = name;
    calc.settings.write(setting::FontDef, name);
    chooser.unload();
}

void closeFontChooser(WindowState &calc)
{
    calc.fontChooser.unload();
}

} // namespace sorba
