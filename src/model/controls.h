#pragma once
// The window model: forms, controls and menu items as plain objects with the properties the
// calculator uses. Geometry is in twips, font sizes in points, colours 0x00BBGGRR. The nesting
// rules live here: a check box or option button changed from code runs its click action before
// the setter returns, and a form's new height or width runs its resize handling at once.

#include "model/property_value.h"
#include "settings/colour_text.h"
#include "tables/system_font.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorba {

/// Anything a host or a script can name: a form, a control or a menu item.
class ModelObject
{
public:
    ModelObject(std::string name, std::optional<int> index);
    virtual ~ModelObject() = default;
    ModelObject(const ModelObject &) = delete;
    ModelObject &operator=(const ModelObject &) = delete;

    const std::string &name() const { return m_name; }
    std::optional<int> index() const { return m_index; }
    /// "Readout", or "Number(5)" for an element of a control or menu array.
    std::string path() const;

    /// The named property, or nothing when this kind of object has no such property.
    virtual std::optional<PropertyValue> property(std::string_view property) const = 0;

private:
    std::string m_name;
    std::optional<int> m_index;
};

class Control : public ModelObject
{
public:
    Control(std::string name, std::optional<int> index = {});
    std::optional<PropertyValue> property(std::string_view property) const override;

    bool visible = true;
    bool enabled = true;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string fontName = std::string(systemFontName);
    double fontSize = 9;
    bool fontBold = false;
    /// What a screen reader calls the control; empty for its caption alone.
    std::string accessibleName;
    Colour foreColor = 0x00000000;
    Colour backColor = 0x00FFFFFF;
    /// Nothing colours this control: hosts draw it in the desktop theme's colours, while
    /// foreColor and backColor keep the values scripts read.
    bool themeColours = false;

    /// Whether a user's click means anything to the control (not to a label or a text box).
    virtual bool takesClicks() const { return false; }
    /// What a user's click does to the control. Whether it can be clicked at all (shown,
    /// enabled, on a shown window) is the window's rule.
    virtual void clickByUser() {}
};

class Label : public Control
{
public:
    using Control::Control;
    std::optional<PropertyValue> property(std::string_view property) const override;
    std::string caption;
};

class TextBox : public Control
{
public:
    using Control::Control;
    std::optional<PropertyValue> property(std::string_view property) const override;
    std::string text;
};

class Button : public Control
{
public:
    using Control::Control;
    std::optional<PropertyValue> property(std::string_view property) const override;
    /// Runs the click action, as a user's click or a press from code does.
    void press();
    bool takesClicks() const override { return true; }
    void clickByUser() override;
    std::string caption;
    std::function<void()> onClick;
};

class CheckBox : public Control
{
public:
    using Control::Control;
    std::optional<PropertyValue> property(std::string_view property) const override;
    int value() const { return m_value; }
    /// A different value runs the click action before returning; the same value runs nothing.
    void setValue(int value);
    /// A user's click: the box toggles, then its click action runs.
    void click() { setValue(m_value == 0 ? 1 : 0); }
    bool takesClicks() const override { return true; }
    void clickByUser() override;
    std::string caption;
    std::function<void()> onClick;

private:
    int m_value = 0;
};

class OptionButton;

/// The option buttons that exclude each other.
class OptionGroup
{
public:
    void add(OptionButton &button) { m_buttons.push_back(&button); }
    const std::vector<OptionButton *> &buttons() const { return m_buttons; }
    OptionButton *selected() const;

private:
    std::vector<OptionButton *> m_buttons;
};

class OptionButton : public Control
{
public:
    OptionButton(std::string name, std::optional<int> index, OptionGroup &group);
    std::optional<PropertyValue> property(std::string_view property) const override;
    bool selected() const { return m_selected; }
    /// Selects this button: the others of the group are deselected, and when this button was
    /// not selected before, its click action runs before returning.
    void select();
    /// Deselects without running anything.
    void deselect() { m_selected = false; }
    /// A user's click selects the button.
    bool takesClicks() const override { return true; }
    void clickByUser() override;
    std::string caption;
    std::function<void()> onClick;

private:
    OptionGroup &m_group;
    bool m_selected = false;
};

class ListBox : public Control
{
public:
    using Control::Control;
    std::optional<PropertyValue> property(std::string_view property) const override;
    /// A user's click on a line, by mouse or keyboard: it becomes the highlighted line, then the
    /// click action runs. A line the list does not hold changes nothing.
    void click(std::size_t row);
    std::vector<std::string> items;
    std::optional<std::size_t> highlighted;
    std::function<void()> onClick;
};

class Form : public ModelObject
{
public:
    explicit Form(std::string name);
    std::optional<PropertyValue> property(std::string_view property) const override;

    int height() const { return m_height; }
    int width() const { return m_width; }
    /// Sizes are clamped to the twips range first. A different height runs the resize handling
    /// at once, nested; the same one runs nothing.
    void setHeight(int height);
    void setWidth(int width);
    /// A user's drag: both sizes change, then the resize handling runs once.
    void resizeByUser(int height, int width);
    /// A user's move of the window: its place follows, held to the twips range.
    void moveByUser(int left, int top);

    std::string caption;
    int left = 0;
    int top = 0;
    bool visible = false;
    bool loaded = false;
    bool topmost = false;
    /// The user cannot drag the window to another size; the model holds it where it is.
    bool fixedSize = false;
    std::function<void()> onResize;
    /// The close box of a window other than the main one.
    std::function<void()> onClose;

private:
    int m_height = 0;
    int m_width = 0;
};

class MenuItem : public ModelObject
{
public:
    MenuItem(std::string name, std::optional<int> index = {});
    std::optional<PropertyValue> property(std::string_view property) const override;

    bool isSeparator() const { return caption == "-"; }

    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItem *> children;
    /// The action of choosing the item; empty for items that only open a submenu.
    std::function<void()> onClick;
};

/// "Name" or "Name(3)".
std::string elementPath(std::string_view name, std::optional<int> index);

} // namespace sorba
