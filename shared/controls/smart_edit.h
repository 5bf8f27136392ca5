#pragma once
// A numeric edit: filters typed characters by class and, with a linked slider, keeps
// its value inside a range.
#include <windows.h>

#include <climits>
#include <memory>

#include "framework/wnd.h"

class CLinkSlider;

class CSmartEdit : public fw::CWnd {
public:
    // Parse masks: a typed character passes when its class shares a bit with the mask.
    static constexpr WORD kParseAll = 0xFFFF;
    static constexpr WORD kParseUnsigned = 0x01;  // digits
    static constexpr WORD kParseSigned = 0x11;    // digits and "-"
    static constexpr WORD kParseHex = 0x40;       // 0-9, A-F, a-f

    CSmartEdit() = default;
    ~CSmartEdit() override;

    void SetParseType(WORD mask) { m_wParseMask = mask; }
    WORD GetParseType() const { return m_wParseMask; }
    BOOL SubclassEdit(int id, fw::CWnd* parent, WORD mask);

    // Stores the range, passes it to the linked slider and picks the signed or the
    // unsigned mask by the minimum.
    BOOL SetRange(int min, int max, int lineSize, int pageSize);
    int GetRangeMin() const { return m_nMin; }
    int GetRangeMax() const { return m_nMax; }

    // Links the parent's item sliderId. A slider item not yet bound to an object gets one
    // owned by this edit. FALSE when the item is missing or bound to something else.
    BOOL LinkSlider(fw::CWnd* parent, int sliderId);
    CLinkSlider* GetSlider() const { return m_pSlider; }
    // 0 without a slider; else gives it the range and step sizes and returns 1.
    int UpdateSlider(int lineSize, int pageSize);

    // FALSE (nothing written) for a value outside the range.
    BOOL SetIntValue(int value);
    // Writes the value unless it is the one written last; 1 when written.
    int SetValue(int value);

    // The class of one character as the edit receives it (see the masks above).
    static WORD CharClass(WCHAR ch);

protected:
    // A refused character or a clamped value.
    virtual void OnBadInput();
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnKillFocus();
    FW_DECLARE_MESSAGE_MAP()

private:
    friend class CLinkSlider;
    static constexpr int kNoValue = INT_MIN;

    void WriteNumber(int value);

    WORD m_wParseMask = kParseAll;
    CLinkSlider* m_pSlider = nullptr;
    // No range set yet: every value is in it.
    int m_nMin = INT_MIN;
    int m_nMax = INT_MAX;
    int m_nLastValue = kNoValue;
    std::unique_ptr<CLinkSlider> m_pOwnedSlider;
};
