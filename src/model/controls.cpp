// Property access and the nesting rules of the window model.

#include "model/controls.h"

#include "tables/twips_range.h"

namespace sorba {

std::string elementPath(std::string_view name, std::optional<int> index)
{
    std::string path(name);
    if (index)
        path += "(" + std::to_string(*index) + ")";
    return path;
}

ModelObject::ModelObject(std::string name, std::optional<int> index)
    : m_name(std::move(name))
    , m_index(index)
{}

std::string ModelObject::path() const
{
    return elementPath(m_name, m_index);
}

Control::Control(std::string name, std::optional<int> index)
    : ModelObject(std::move(name), index)
{}

std::optional<PropertyValue> Control::property(std::string_view property) const
{
    if (property == "visible")
        return visible;
    if (property == "enabled")
        return enabled;
    if (property == "left")
        return double(left);
    if (property == "top")
        return double(top);
    if (property == "width")
        return double(width);
    if (property == "height")
        return double(height);
    if (property == "fontName")
        return fontName;
    if (property == "fontSize")
        return fontSize;
    if (property == "foreColor")
        return double(foreColor);
    if (property == "backColor")
        return double(backColor);
    return std::nullopt;
}

std::optional<PropertyValue> Label::property(std::string_view property) const
{
    if (property == "caption")
        return caption;
    return Control::property(property);
}

std::optional<PropertyValue> TextBox::property(std::string_view property) const
{
    if (property == "text")
        return text;
    return Control::property(property);
}

std::optional<PropertyValue> Button::property(std::string_view property) const
{
    if (property == "caption")
        return caption;
    return Control::property(property);
}

void Button::press()
{
    if (onClick)
        onClick();
}

void Button::clickByUser()
{
    press();
}

std::optional<PropertyValue> CheckBox::property(std::string_view property) const
{
    if (property == "caption")
        return caption;
    if (property == "value")
        return double(m_value);
    return Control::property(property);
}

void CheckBox::clickByUser()
{
    click();
}

void CheckBox::setValue(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    if (onClick)
        onClick();
}

OptionButton *OptionGroup::selected() const
{
    for (OptionButton *button : m_buttons) {
        if (button->selected())
            return button;
    }
    return nullptr;
}

OptionButton::OptionButton(std::string name, std::optional<int> index, OptionGroup &group)
    : Control(std::move(name), index)
    , m_group(group)
{
    m_group.add(*this);
}

std::optional<PropertyValue> OptionButton::property(std::string_view property) const
{
    if (property == "caption")
        return caption;
    if (property == "selected" || property == "value")
        return m_selected;
    return Control::property(property);
}

void OptionButton::clickByUser()
{
    select();
}

void OptionButton::select()
{
    if (m_selected)
        return;
    for (OptionButton *other : m_group.buttons()) {
        if (other != this)
            other->deselect();
    }
    m_selected = true;
    if (onClick)
        onClick();
}

std::optional<PropertyValue> ListBox::property(std::string_view property) const
{
    if (property == "items")
        return items;
    if (property == "text") {
        if (highlighted && *highlighted < items.size())
            return items[*highlighted];
        return std::string();
    }
    return Control::property(property);
}

void ListBox::click(std::size_t row)
{
    if (row >= items.size())
        return;
    highlighted = row;
    if (onClick)
        onClick();
}

Form::Form(std::string name)
    : ModelObject(std::move(name), std::nullopt)
{}

std::optional<PropertyValue> Form::property(std::string_view property) const
{
    if (property == "caption")
        return caption;
    if (property == "left")
        return double(left);
    if (property == "top")
        return double(top);
    if (property == "width")
        return double(m_width);
    if (property == "height")
        return double(m_height);
    if (property == "visible")
        return visible;
    if (property == "loaded")
        return loaded;
    if (property == "topmost")
        return topmost;
    return std::nullopt;
}

void Form::setHeight(int height)
{
    height = clampTwips(height);
    if (height == m_height)
        return;
    m_height = height;
    if (onResize)
        onResize();
}

void Form::setWidth(int width)
{
    width = clampTwips(width);
    if (width == m_width)
        return;
    m_width = width;
    if (onResize)
        onResize();
}

void Form::resizeByUser(int height, int width)
{
    m_height = clampTwips(height);
    m_width = clampTwips(width);
    if (onResize)
        onResize();
}

void Form::moveByUser(int newLeft, int newTop)
{
    left = clampTwips(newLeft);
    top = clampTwips(newTop);
}

MenuItem::MenuItem(std::string name, std::optional<int> index)
    : ModelObject(std::move(name), index)
{}

std::optional<PropertyValue> MenuItem::property(std::string_view property) const
{
    if (property == "caption")
        return caption;
    if (property == "checked")
        return checked;
    if (property == "enabled")
        return enabled;
    if (property == "visible")
        return visible;
    return std::nullopt;
}

} // namespace sorba
