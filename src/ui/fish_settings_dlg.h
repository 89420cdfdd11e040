// "3D Parvolune - Fish Settings": how many fish of each of the 25 species
// swim in the tank, at most 50 in all (the grid of count_grid_dlg.h, each
// slot showing its species).
#pragma once
#include "ui/count_grid_dlg.h"
#include "ui/fish_grid_picture.h"

class CFishSettingsDlg : public CCountGridDlg {
public:
    enum { IDD = 102 };
    explicit CFishSettingsDlg(CWnd* pParent = nullptr);

    // One more fish in the selected slot while the tank holds fewer than 50.
    void OnAddFish();
    void OnDeleteFish() { DeleteFromSelected(); }
    void OnRandomFish() { RandomCounts(); }
    void OnClearFish() { ClearCounts(); }
    void AddToSelected() override { OnAddFish(); }
    // The sum of the counts, written under the grid.
    void UpdateTotal() override;
};
