// Builds the main window's controls and menu bar with their designed captions and places.

#include "model/main_form.h"

#include "tables/keypad_window.h"
#include "tables/operator_keys.h"
#include "tables/unit_catalogue.h"
#include "text/readout_format.h"

#include <array>
#include <stdexcept>
#include <string>

namespace sorba {

namespace {

// The keypad and the helper controls sit below the largest window the sizing rules allow, so
// they never show: the calculator is worked from the keyboard and the menus.
constexpr int hiddenTop = 9000;

struct PanelPlace
{
    int left, top, width, height;
};

// Unit buttons and target boxes of the conversion panel, below the readout.
constexpr std::array<PanelPlace, 11> optionPlaces = {{{240, 1320, 1575, 255},
                                                      {240, 1560, 1575, 255},
                                                      {240, 1800, 1575, 255},
                                                      {240, 2040, 1695, 255},
                                                      {240, 2280, 1695, 270},
                                                      {240, 2520, 1815, 255},
                                                      {240, 2760, 1815, 255},
                                                      {240, 3000, 1815, 270},
                                                      {240, 3240, 1815, 270},
                                                      {240, 3480, 1935, 270},
                                                      {240, 3720, 2055, 270}}};
constexpr std::array<PanelPlace, 10> checkPlaces = {{{2520, 1320, 1575, 255},
                                                     {2520, 1560, 1695, 255},
                                                     {2520, 1800, 1695, 270},
                                                     {120, 1200, 855, 270},
                                                     {1080, 1200, 855, 270},
                                                     {2040, 1200, 855, 270},
                                                     {3000, 1200, 855, 270},
                                                     {2520, 2040, 1815, 270},
                                                     {2520, 2280, 1815, 270},
                                                     {2520, 2520, 1815, 270}}};

constexpr std::string_view panelFont = "Terminal";
constexpr double panelFontSize = 9.6;

void placeHidden(Control &control, int left)
{
    control.left = left;
    control.top = hiddenTop;
    control.width = 495;
    control.height = 375;
}

// The panel's controls have a font of their own; their colours are the desktop's.
void usePanelLook(Control &control)
{
    control.fontName = std::string(panelFont);
    control.fontSize = panelFontSize;
    control.fontBold = true;
    control.themeColours = true;
}

} // namespace

MainForm::MainForm()
{
    window.caption = std::string(japaneseWindowCaption);
    window.resizeByUser(middleBand.height, designedWindowWidth);

    Readout.caption = std::string(zeroReadout);
    Readout.left = readoutLeft;
    Readout.top = readoutTop;
    Readout.width = designedWindowWidth - readoutMarginWidth;
    Readout.height = middleBand.height - readoutMarginHeight;
    Readout.fontSize = middleBand.fontSize;
    Readout.backColor = builtInReadoutBackColor;
    addControl(Readout);

    // Both marks lie in the readout's corner, one over the other.
    for (Control *mark : std::initializer_list<Control *>{&MEM1, &MEM2}) {
        mark->left = cornerMarkLeft;
        mark->top = readoutTop + cornerMarkDrop;
        mark->width = markWidth;
        mark->height = markHeight;
        mark->fontSize = markFontSize;
        mark->backColor = builtInReadoutBackColor;
        addControl(*mark);
    }
    MEM1.text = " ";
    MEM1.foreColor = 0x000000FF;
    MEM2.caption = " ";

    ReadoutNul.caption = "0";
    ReadoutNul.visible = false;
    placeHidden(ReadoutNul, 120);
    addControl(ReadoutNul);

    int left = 120;
    for (int i = 0; i < 10; ++i) {
        auto &button = *m_number.emplace_back(std::make_unique<Button>("Number", i));
        button.caption = std::to_string(i);
        placeHidden(button, left);
        left += 480;
        addControl(button);
    }
    for (std::size_t i = 0; i < operatorKeys.size(); ++i) {
        auto &button = *m_operator.emplace_back(std::make_unique<Button>("Operator", int(i)));
        button.caption = std::string(operatorKeys[i].caption);
        placeHidden(button, left);
        left += 480;
        addControl(button);
    }
    Decimal.caption = ".";
    Percent.caption = "%";
    Cancel.caption = "C";
    CancelEntry.caption = "CE";
    Command1.caption = "Copy";
    Command2.caption = "Paste";
    for (Button *button : {&Decimal, &Percent, &Cancel, &CancelEntry, &Command1, &Command2}) {
        placeHidden(*button, left);
        left += 480;
        addControl(*button);
    }

    for (int n = 1; n <= 10; ++n) {
        auto &box = *m_check.emplace_back(std::make_unique<CheckBox>("Check" + std::to_string(n)));
        const PanelPlace &place = checkPlaces[std::size_t(n - 1)];
        box.left = place.left;
        box.top = place.top;
        box.width = place.width;
        box.height = place.height;
        box.visible = false;
        usePanelLook(box);
        addControl(box);
    }
    for (const CategoryEntry &category : categoryEntries)
        Check(category.checkBox).caption = std::string(category.caption);

    for (int n = 1; n <= 11; ++n) {
        auto &button = *m_option.emplace_back(std::make_unique<OptionButton>(
            "Option" + std::to_string(n), std::nullopt, unitButtons));
        const PanelPlace &place = optionPlaces[std::size_t(n - 1)];
        button.left = place.left;
        button.top = place.top;
        button.width = place.width;
        button.height = place.height;
        button.visible = false;
        usePanelLook(button);
        addControl(button);
    }

    Command3.caption = "戻る";
    Command4.caption = "終了";
    for (Button *button : {&Command3, &Command4}) {
        button->top = 3120;
        button->width = 615;
        button->height = 375;
        button->enabled = false;
        usePanelLook(*button);
        addControl(*button);
    }
    Command3.left = 2520;
    Command4.left = 3360;

    m_byPath.emplace(window.path(), &window);
    buildMenus();
}

void MainForm::addControl(Control &control)
{
    m_controls.push_back(&control);
    m_byPath.emplace(control.path(), &control);
}

void MainForm::registerObject(ModelObject &object)
{
    m_byPath.insert_or_assign(object.path(), &object);
}

void MainForm::registerObject(ModelObject &object, std::string path)
{
    m_byPath.insert_or_assign(std::move(path), &object);
}

void MainForm::buildMenus()
{
    // The table lists the items in menu order; a level deeper than the previous row's opens
    // that row's submenu.
    std::array<MenuItem *, 3> parents{};
    for (const MenuEntry &entry : menuEntries) {
        std::optional<int> index;
        if (entry.index >= 0)
            index = entry.index;
        auto &item =
            *m_menuStore.emplace_back(std::make_unique<MenuItem>(std::string(entry.name), index));
        item.caption = std::string(entry.builtIn);
        const auto level = std::size_t(entry.level);
        if (level == 0)
            m_menuBar.push_back(&item);
        else
            parents[level - 1]->children.push_back(&item);
        if (level < parents.size())
            parents[level] = &item;
        m_menuItems.emplace_back(&item, &entry);
        m_byPath.emplace(item.path(), &item);
    }
}

void MainForm::applyCaptions(CaptionSet set)
{
    for (auto &[item, entry] : m_menuItems)
        item->caption = std::string(captionIn(*entry, set));
}

MenuItem &MainForm::menu(MenuId id, std::optional<int> entry) const
{
    auto it = m_byPath.find(elementPath(menuName(id), entry));
    auto *item = it == m_byPath.end() ? nullptr : dynamic_cast<MenuItem *>(it->second);
    if (item == nullptr)
        throw std::out_of_range("no such menu entry");
    return *item;
}

ModelObject *MainForm::find(std::string_view path) const
{
    auto it = m_byPath.find(path);
    return it == m_byPath.end() ? nullptr : it->second;
}

} // namespace sorba
