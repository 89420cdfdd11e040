// A track bar that paints its own thumb as a light grey disc with a green
// outline (a grey-and-green checkerboard while it is held), frames its
// channel in green and marks the two ends of its range with small discs: a
// white one at the top or left, a green one at the bottom or right.
#pragma once
#include "platform/dialog_controls.h"

class CRoundSlider : public CSliderCtrl {
public:
    CRoundSlider();

    // The thumb colour; the four green colours become RGB(0, 128, 0).
    void SetColors(COLORREF thumb);

    // The custom-draw notification reflected from the parent.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnCustomDraw(NMHDR* header, LRESULT* result);

protected:
    COLORREF m_crThumb = RGB(210, 210, 210);
    COLORREF m_crThumbOutline = RGB(0, 128, 0);
    COLORREF m_crPatternText = RGB(0, 128, 0);
    COLORREF m_crChannelLight = RGB(0, 128, 0);
    COLORREF m_crEndMark = RGB(0, 128, 0);
    CBrush m_brThumb;
    CBrush m_brPattern;

private:
    void DrawThumb(CDC* dc, const RECT& rc, UINT state) const;
    void DrawEndMarks(CDC* dc) const;
};
