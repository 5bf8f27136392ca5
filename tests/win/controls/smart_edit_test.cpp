#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "controls_fixture.h"

namespace ctltest {
namespace {

TEST(SmartEditClass, EveryCharacterFallsInItsClass)
{
    struct Case {
        WCHAR ch;
        WORD cls;
    } cases[] = {
        {L'\b', 0xFFFF}, {0x01, 0xFFFF}, {0x16, 0xFFFF},  // control keys, Ctrl+V
        {L'0', 0x55},    {L'9', 0x55},
        {L'e', 0x46},    {L'E', 0x46},
        {L'a', 0x42},    {L'D', 0x42},  {L'f', 0x42}, {L'F', 0x42},
        {L'g', 0x02},    {L'Z', 0x02},  {0x00E9, 0x02},  // any other letter, also accented
        {L'-', 0x14},    {L'.', 0x04},  {L'_', 0x28},
        {L' ', 0x08},    {L'+', 0x08},  {L'/', 0x08},
        {0x00B2, 0x08},  // a superscript two is numeric, but no parser reads it as a digit
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSmartEdit::CharClass(c.ch), c.cls) << "U+" << std::hex << static_cast<unsigned>(c.ch);
}

TEST_F(ControlsTest, TypedCharactersAreFilteredByTheMask)
{
    struct Case {
        WORD mask;
        const char* typed;
        const char* shown;
        int beeps;
    } cases[] = {
        {CSmartEdit::kParseHex, "0aF9eE", "0aF9eE", 0},
        {CSmartEdit::kParseHex, "1g-.2", "12", 3},
        {CSmartEdit::kParseHex, "ab\b", "a", 0},  // backspace still edits
        {CSmartEdit::kParseUnsigned, "12-3.4a", "1234", 3},
        {CSmartEdit::kParseSigned, "-1-2", "-1-2", 0},  // a minus anywhere; only the clamp corrects
        {CSmartEdit::kParseSigned, "5e", "5", 1},
        {CSmartEdit::kParseAll, "a_-.Z!", "a_-.Z!", 0},
        {CSmartEdit::kParseUnsigned, "1\xB2", "1", 1},  // superscript two of the Western code page
    };
    for (const Case& c : cases) {
        SetWindowTextA(Item(IDC_HEX), "");
        dlg.m_hex.beeps = 0;
        dlg.m_hex.SetParseType(c.mask);
        Type(Item(IDC_HEX), c.typed);
        EXPECT_EQ(TextOf(Item(IDC_HEX)), c.shown) << c.typed;
        EXPECT_EQ(dlg.m_hex.beeps, c.beeps) << c.typed;
    }
}

TEST_F(ControlsTest, SubclassEditSetsTheMaskAndBindsTheItem)
{
    CCountingEdit edit;
    ASSERT_TRUE(edit.SubclassEdit(IDC_OTHER, &dlg, CSmartEdit::kParseHex));
    Type(Item(IDC_OTHER), "x1f");
    EXPECT_EQ(TextOf(Item(IDC_OTHER)), "1f");
    EXPECT_EQ(edit.beeps, 1);
    edit.UnsubclassWindow();
}

TEST_F(ControlsTest, RangeChoosesSignedOrUnsignedInput)
{
    dlg.m_signed.SetRange(-10, 10, 1, 5);
    EXPECT_EQ(dlg.m_signed.GetParseType(), CSmartEdit::kParseSigned);
    Type(Item(IDC_SIGNED), "-3");
    EXPECT_EQ(TextOf(Item(IDC_SIGNED)), "-3");

    dlg.m_unsigned.SetRange(0, 10, 1, 5);
    EXPECT_EQ(dlg.m_unsigned.GetParseType(), CSmartEdit::kParseUnsigned);
    Type(Item(IDC_UNSIGNED), "-3");
    EXPECT_EQ(TextOf(Item(IDC_UNSIGNED)), "3");
    EXPECT_EQ(dlg.m_unsigned.beeps, 1);
}

TEST_F(ControlsTest, IntValueOutsideTheRangeIsRefused)
{
    dlg.m_number.SetRange(256, 2346, 32, 256);
    EXPECT_TRUE(dlg.m_number.SetIntValue(2346));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "2346");
    EXPECT_FALSE(dlg.m_number.SetIntValue(255));
    EXPECT_FALSE(dlg.m_number.SetIntValue(2347));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "2346");
}

TEST_F(ControlsTest, SetValueWritesOnlyANewValue)
{
    EXPECT_EQ(dlg.m_number.SetValue(7), 1);
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "7");
    SetWindowTextA(Item(IDC_NUMBER), "typed");
    EXPECT_EQ(dlg.m_number.SetValue(7), 0);  // the slider did not move: the text stays
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "typed");
    EXPECT_EQ(dlg.m_number.SetValue(-7), 1);
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "-7");
}

// The edit and its slider, as the system configuration page sets up the RTS row.
class LinkedTest : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        ASSERT_TRUE(dlg.m_number.LinkSlider(&dlg, IDC_SLIDER));
        dlg.m_number.SetRange(0, 100, 1, 10);
        ASSERT_TRUE(dlg.m_number.SetIntValue(50));
        dlg.m_slider.SetPos(50);
    }
    int SliderPos() const { return static_cast<int>(SendMessageA(Item(IDC_SLIDER), TBM_GETPOS, 0, 0)); }
    void Key(HWND h, UINT vk)
    {
        SendMessageA(h, WM_KEYDOWN, vk, 1);
        SendMessageA(h, WM_KEYUP, vk, 0xC0000001);
    }
};

TEST_F(LinkedTest, SliderTakesTheRangeAndSteps)
{
    EXPECT_EQ(dlg.m_number.GetSlider(), &dlg.m_slider);
    EXPECT_EQ(dlg.m_slider.GetBuddy(), &dlg.m_number);
    HWND s = Item(IDC_SLIDER);
    EXPECT_EQ(SendMessageA(s, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageA(s, TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(SendMessageA(s, TBM_GETLINESIZE, 0, 0), 1);
    EXPECT_EQ(SendMessageA(s, TBM_GETPAGESIZE, 0, 0), 10);
    EXPECT_FALSE(dlg.m_slider.IsMirrored());
}

TEST_F(LinkedTest, MovingTheSliderWritesTheEdit)
{
    struct Case {
        UINT vk;
        const char* shown;
    } cases[] = {
        {VK_RIGHT, "51"}, {VK_LEFT, "50"}, {VK_NEXT, "60"}, {VK_PRIOR, "50"},
        {VK_END, "100"},  // the edit follows to either end of the slider
        {VK_HOME, "0"},
    };
    for (const Case& c : cases) {
        Key(Item(IDC_SLIDER), c.vk);
        EXPECT_EQ(TextOf(Item(IDC_NUMBER)), c.shown) << c.vk;
    }
    EXPECT_EQ(dlg.m_slider.GetLastPos(), 0);
}

TEST_F(LinkedTest, ThumbTrackTakesThePositionFromTheMessage)
{
    dlg.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 73), reinterpret_cast<LPARAM>(Item(IDC_SLIDER)));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "73");
    // End of a scroll and the final thumb position change nothing.
    SetWindowTextA(Item(IDC_NUMBER), "x");
    dlg.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 12), reinterpret_cast<LPARAM>(Item(IDC_SLIDER)));
    dlg.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(Item(IDC_SLIDER)));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "x");
}

TEST_F(LinkedTest, ThumbTrackBelowZeroKeepsItsSign)
{
    dlg.m_number.SetRange(-50, 50, 1, 10);
    dlg.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, static_cast<WORD>(-20)),
                    reinterpret_cast<LPARAM>(Item(IDC_SLIDER)));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "-20");
}

TEST_F(LinkedTest, LeavingTheEditClampsAndMovesTheSlider)
{
    struct Case {
        const char* typed;
        const char* shown;
        int pos;
        int beeps;
    } cases[] = {
        {"42", "42", 42, 0},
        {"500", "100", 100, 1},
        {"", "", 0, 0},  // no number reads as 0, which is in range
        {"99999999999999999999", "100", 100, 1},  // too big for any integer: still clamped
        {"7", "7", 7, 0},
    };
    for (const Case& c : cases) {
        SetWindowTextA(Item(IDC_NUMBER), "");
        dlg.m_number.beeps = 0;
        Type(Item(IDC_NUMBER), c.typed);
        Leave(Item(IDC_NUMBER));
        EXPECT_EQ(TextOf(Item(IDC_NUMBER)), c.shown) << c.typed;
        EXPECT_EQ(SliderPos(), c.pos) << c.typed;
        EXPECT_EQ(dlg.m_number.beeps, c.beeps) << c.typed;
    }
}

TEST_F(LinkedTest, SignedTextIsReadUpToItsFirstNonDigit)
{
    dlg.m_number.SetRange(-10, 20, 1, 5);
    SetWindowTextA(Item(IDC_NUMBER), "");
    Type(Item(IDC_NUMBER), "-5-0");
    Leave(Item(IDC_NUMBER));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "-5-0");  // in range: the text is left as typed
    EXPECT_EQ(SliderPos(), -5);
    SetWindowTextA(Item(IDC_NUMBER), "");
    Type(Item(IDC_NUMBER), "-50");
    Leave(Item(IDC_NUMBER));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "-10");
    EXPECT_EQ(SliderPos(), -10);
    EXPECT_EQ(dlg.m_number.beeps, 1);
}

TEST_F(LinkedTest, ClampedValueIsWrittenEvenWhenTheSliderWroteItBefore)
{
    Key(Item(IDC_SLIDER), VK_END);  // the edit shows 100, written by the slider
    SetWindowTextA(Item(IDC_NUMBER), "");
    Type(Item(IDC_NUMBER), "300");
    Leave(Item(IDC_NUMBER));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "100");
}

TEST_F(ControlsTest, EditWithoutSliderDoesNotClamp)
{
    dlg.m_unsigned.SetRange(0, 100, 1, 10);
    Type(Item(IDC_UNSIGNED), "500");
    Leave(Item(IDC_UNSIGNED));
    EXPECT_EQ(TextOf(Item(IDC_UNSIGNED)), "500");
    EXPECT_EQ(dlg.m_unsigned.beeps, 0);
    EXPECT_EQ(dlg.m_unsigned.UpdateSlider(1, 10), 0);
}

TEST_F(ControlsTest, VerticalSliderIsMirrored)
{
    // Not bound to an object: the edit adopts it.
    ASSERT_EQ(fw::CWnd::FromHandle(Item(IDC_VSLIDER)), nullptr);
    ASSERT_TRUE(dlg.m_vnumber.LinkSlider(&dlg, IDC_VSLIDER));
    CLinkSlider* slider = dlg.m_vnumber.GetSlider();
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(fw::CWnd::FromHandle(Item(IDC_VSLIDER)), slider);
    EXPECT_TRUE(slider->IsMirrored());
    dlg.m_vnumber.SetRange(10, 110, 1, 10);
    Type(Item(IDC_VNUMBER), "30");
    Leave(Item(IDC_VNUMBER));
    EXPECT_EQ(slider->GetPos(), 90);  // 110 + 10 - 30
    // Vertical scrolling is not reflected: the edit keeps its text.
    SendMessageA(Item(IDC_VSLIDER), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(slider->GetPos(), 91);
    EXPECT_EQ(TextOf(Item(IDC_VNUMBER)), "30");
}

TEST_F(ControlsTest, OnlyASliderCanBeLinked)
{
    EXPECT_FALSE(dlg.m_number.LinkSlider(&dlg, IDC_HEX));  // bound to an edit object
    EXPECT_FALSE(dlg.m_number.LinkSlider(&dlg, 4242));     // no such item
    EXPECT_FALSE(dlg.m_number.LinkSlider(nullptr, IDC_SLIDER));
    EXPECT_EQ(dlg.m_number.GetSlider(), nullptr);
}

TEST_F(ControlsTest, DeletedEditIsForgottenByItsSlider)
{
    auto edit = std::make_unique<CCountingEdit>();
    ASSERT_TRUE(edit->SubclassEdit(IDC_OTHER, &dlg, CSmartEdit::kParseUnsigned));
    ASSERT_TRUE(edit->LinkSlider(&dlg, IDC_SLIDER));
    edit.reset();
    EXPECT_EQ(dlg.m_slider.GetBuddy(), nullptr);
    SendMessageA(Item(IDC_SLIDER), WM_KEYDOWN, VK_RIGHT, 1);  // must not reach the deleted edit
    EXPECT_EQ(TextOf(Item(IDC_OTHER)), "");
}

}  // namespace
}  // namespace ctltest
