#pragma once
// Controls the platform shows as native children: the model keeps their state, the platform
// mirrors it and reports what the user does through the User* calls, which update the state
// without echoing it back and then tell the program through OnChange.

#include "ui/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class TextBox final : public Control {
public:
    explicit TextBox(std::string name);

    std::string const& Text() const { return m_text; }
    void SetText(std::string text);
    void UserEdited(std::string text);

    platform::Font const& Font() const { return m_font; }
    void SetFont(platform::Font font);
    platform::TextAlign Align() const { return m_align; }
    void SetAlign(platform::TextAlign align);

    // A box that takes key-downs only (a chord box): typing, pasting and deleting change nothing,
    // the program sets its text.
    bool CapturesKeys() const { return m_capturesKeys; }
    void SetCapturesKeys(bool captures);

    // The platform reports the keyboard focus coming (true) and going.
    void UserFocused(bool focused)
    {
        if (OnFocusChange)
            OnFocusChange(focused);
    }
    std::function<void(bool)> OnFocusChange;

    bool IsNative() const override { return true; }

private:
    std::string m_text;
    platform::Font m_font;
    platform::TextAlign m_align = platform::TextAlign::Left;
    bool m_capturesKeys = false;
};

class CheckBox final : public Control {
public:
    explicit CheckBox(std::string name);

    std::string const& Caption() const { return m_caption; }
    void SetCaption(std::string caption);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    void UserToggled(bool checked);

    platform::Font const& Font() const { return m_font; }
    void SetFont(platform::Font font);
    Colour ForeColour() const { return m_foreColour; }
    void SetForeColour(Colour colour);

    bool IsNative() const override { return true; }

private:
    std::string m_caption;
    bool m_checked = false;
    platform::Font m_font;
    Colour m_foreColour = 0;
};

class ComboBox final : public Control {
public:
    explicit ComboBox(std::string name);

    std::vector<std::string> const& Items() const { return m_items; }
    void Clear();
    void AddItem(std::string item);
    // -1 when nothing is selected.
    int SelectedIndex() const { return m_selected; }
    // An index outside the list selects nothing.
    void SetSelectedIndex(int index);
    void UserSelected(int index);

    platform::Font const& Font() const { return m_font; }
    void SetFont(platform::Font font);

    bool IsNative() const override { return true; }

private:
    std::vector<std::string> m_items;
    int m_selected = -1;
    platform::Font m_font;
};

// A page shown in the window; the platform decides how. Until it navigates it shows nothing.
class WebBrowserBox final : public Control {
public:
    explicit WebBrowserBox(std::string name);

    std::string const& Address() const { return m_address; }
    void Navigate(std::string address);

    // A free text the program keeps with the control.
    std::string const& Tag() const { return m_tag; }
    void SetTag(std::string tag) { m_tag = std::move(tag); }

    bool IsNative() const override { return true; }

private:
    std::string m_address;
    std::string m_tag;
};

}
