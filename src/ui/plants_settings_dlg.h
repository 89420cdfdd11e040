// "3D Parvolune - Plants Settings": which of the 17 plant kinds stand in the
// tank (the grid of count_grid_dlg.h; a kind is there or not, and there is
// no total). Kinds whose plant the game does not draw yet keep their count
// and are marked in the grid.
#pragma once
#include "ui/count_grid_dlg.h"

class CPlantsSettingsDlg : public CCountGridDlg {
public:
    enum { IDD = 289 };
    explicit CPlantsSettingsDlg(CWnd* pParent = nullptr);

    // The selected kind goes from 0 to 1; a kind already there stays as it is.
    void OnAddPlant();
    void OnDeletePlant() { DeleteFromSelected(); }
    void OnRandomPlants() { RandomCounts(); }
    void OnClearPlants() { ClearCounts(); }
    void AddToSelected() override { OnAddPlant(); }
};
