#include "ui/NativeControls.h"

namespace ui {

TextBox::TextBox(std::string name)
    : Control(ControlKind::TextBox, std::move(name))
{
}

void TextBox::SetText(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    Changed();
}

void TextBox::UserEdited(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    if (OnChange)
        OnChange();
}

void TextBox::SetFont(platform::Font font)
{
    m_font = std::move(font);
    Changed();
}

void TextBox::SetAlign(platform::TextAlign align)
{
    m_align = align;
    Changed();
}

void TextBox::SetCapturesKeys(bool captures)
{
    m_capturesKeys = captures;
    Changed();
}

CheckBox::CheckBox(std::string name)
    : Control(ControlKind::CheckBox, std::move(name))
{
}

void CheckBox::SetCaption(std::string caption)
{
    m_caption = std::move(caption);
    Changed();
}

void CheckBox::SetChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    Changed();
    if (OnChange)
        OnChange();
}

void CheckBox::UserToggled(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    if (OnChange)
        OnChange();
}

void CheckBox::SetFont(platform::Font font)
{
    m_font = std::move(font);
    Changed();
}

void CheckBox::SetForeColour(Colour colour)
{
    if (!IsValidColour(colour))
        return;
    m_foreColour = colour;
    Changed();
}

ComboBox::ComboBox(std::string name)
    : Control(ControlKind::ComboBox, std::move(name))
{
}

void ComboBox::Clear()
{
    m_items.clear();
    m_selected = -1;
    Changed();
}

void ComboBox::AddItem(std::string item)
{
    m_items.push_back(std::move(item));
    Changed();
}

void ComboBox::SetSelectedIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        index = -1;
    if (index == m_selected)
        return;
    m_selected = index;
    Changed();
}

void ComboBox::UserSelected(int index)
{
    if (index < -1 || index >= static_cast<int>(m_items.size()) || index == m_selected)
        return;
    m_selected = index;
    if (OnChange)
        OnChange();
}

void ComboBox::SetFont(platform::Font font)
{
    m_font = std::move(font);
    Changed();
}

WebBrowserBox::WebBrowserBox(std::string name)
    : Control(ControlKind::WebBrowser, std::move(name))
{
}

void WebBrowserBox::Navigate(std::string address)
{
    m_address = std::move(address);
    Changed();
}

}
