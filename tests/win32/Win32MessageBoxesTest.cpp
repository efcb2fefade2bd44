// Message boxes answered by a task posted to the user-interface thread: the task runs inside the
// box's own modal loop, reads what the box shows and presses a button.

#include "win32/Win32MessageBoxes.h"
#include "win32/Win32UiThread.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

using namespace platform::win32;

namespace {

// The message box of this thread, or null.
HWND OpenMessageBox()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[16] {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) != L"#32770")
                return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

class Win32MessageBoxesTest : public ::testing::Test {
protected:
    // Posts a task that waits for the box, notes its title and text and presses the button.
    void AnswerWith(int button)
    {
        m_tries = 0;
        m_answer = [this, button] {
            HWND const box = OpenMessageBox();
            if (!box) {
                if (++m_tries < 1000)
                    m_uiThread.Post(m_answer);
                return;
            }
            wchar_t text[200] {};
            GetWindowTextW(box, text, 200);
            title = text;
            // The text of a message box is the static control 0xFFFF.
            GetDlgItemTextW(box, 0xFFFF, text, 200);
            shown = text;
            PostMessageW(box, WM_COMMAND, button, 0);
        };
        m_uiThread.Post(m_answer);
    }

    Win32UiThread m_uiThread;
    Win32MessageBoxes boxes;
    std::wstring title;
    std::wstring shown;

private:
    std::function<void()> m_answer;
    int m_tries = 0;
};

}

TEST_F(Win32MessageBoxesTest, NoticeAndQuestionShowTheirTextAndTheQuestionSaysWhichButton)
{
    AnswerWith(IDOK);
    boxes.ShowNotice("快捷键不能相同", nullptr);
    EXPECT_EQ(title, L"提示");
    EXPECT_EQ(shown, L"快捷键不能相同");

    AnswerWith(IDOK);
    EXPECT_TRUE(boxes.AskOkCancel("是否继续?", nullptr));
    EXPECT_EQ(shown, L"是否继续?");

    AnswerWith(IDCANCEL);
    EXPECT_FALSE(boxes.AskOkCancel("是否继续?", nullptr));
}
