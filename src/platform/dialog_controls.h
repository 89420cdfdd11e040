// Standard controls of dialogs under their usual names: push buttons
// (owner-drawn ones paint in DrawItem), static texts and pictures, tooltips.
#pragma once
#include "platform/wnd.h"

#include <string>
#include <vector>

class CButton : public CWnd {
public:
    BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Paints an owner-drawn button (the parent's WM_DRAWITEM, reflected).
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    UINT GetButtonStyle() const;
};

// Texts and pictures (SS_ICON: the icon the template names as "#id").
class CStatic : public CWnd {};

// Tooltips of controls; the toolkit shows the text while the pointer rests
// on the tool's window and the tooltip is active.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* wnd, const char* text, LPCRECT toolRect = nullptr, UINT toolId = 0);
    void UpdateTipText(const char* text, CWnd* wnd, UINT toolId = 0);
    void Activate(BOOL activate);
    int GetToolCount() const;
    int SetMaxTipWidth(int width);
    // The toolkit watches the pointer itself; nothing to relay.
    void RelayEvent(MSG*) {}
    void OnDestroy() override;

private:
    struct Tool {
        HWND hwnd;
        UINT id;
        std::string text;
    };
    void Apply() const;

    std::vector<Tool> m_tools;
    BOOL m_bActive = TRUE;
    int m_nMaxWidth = -1;
};
