// The fish of one species, held by value. The game window reaches every
// species through this interface, and each operation runs on the species'
// own class: a class's own SetSwimBox or Draw is never skipped.
#pragma once
#include "fish/fish_model.h"

#include <vector>

// What the fish pass hands to a Draw that takes the mouse position.
struct FishDrawArgs {
    int mouseX = 0;
    int mouseY = 0;
};

// Moves and draws `fish` in its class's form of Draw: (variant 0), (), or
// (mouse x, mouse y); nothing for a class without one (a kind the game never
// sizes).
template <class Fish>
void DrawInItsForm(Fish& fish, const FishDrawArgs& args = {})
{
    if constexpr (requires { fish.Draw(args.mouseX, args.mouseY); })
        fish.Draw(args.mouseX, args.mouseY);
    else if constexpr (requires { fish.Draw(); })
        fish.Draw();
    else if constexpr (requires { fish.Draw(0); })
        fish.Draw(0);
}

class IFishArray {
public:
    virtual ~IFishArray() = default;
    virtual int GetSize() const = 0;
    // Fish already there keep all their state; new fish are built at the end,
    // fish past n are destroyed; 0 releases the storage.
    virtual void SetSize(int n) = 0;
    // The fields of fish j (position, hit flag, ...).
    virtual CFishModel& GetAt(int j) = 0;
    // The class's own operations on fish j.
    virtual void SetSwimBox(int j, float xMin, float xMax, float yTop, float yBottom, float zLimit, float z6) = 0;
    // Moves and draws fish j in its class's form of Draw: (variant 0), (), or
    // (mouse x, mouse y); nothing for a class without one.
    virtual void DrawFish(int j, const FishDrawArgs& args) = 0;
    // What the touch tool does to fish j (its class's touch rule).
    virtual void Touch(int j) = 0;
    virtual void ChangeSize(int j, float amount, bool grow) = 0;
};

// The touch tool on one fish, through its class's own operations.
template <class Fish>
void TouchFish(Fish& fish)
{
    switch (fish.Class().touch) {
    case TouchRule::SpeedUp:
        if (fish.IsInDepthBand())
            fish.TurnHeading(0.0f, true, 4);
        fish.ApproachSpeed(0.2f, 0.5f);
        break;
    case TouchRule::ClampVertical: {
        const int pitch = static_cast<int>(fish.m_fPitch);
        if (pitch == 90 || pitch == -90)
            fish.TurnPitch(0.0f, false, 4);
        break;
    }
    }
}

template <class Fish>
class CFishArray final : public IFishArray {
public:
    int GetSize() const override { return static_cast<int>(m_fish.size()); }
    void SetSize(int n) override
    {
        m_fish.resize(static_cast<size_t>(n < 0 ? 0 : n));
        if (n <= 0)
            m_fish.shrink_to_fit();
    }
    CFishModel& GetAt(int j) override { return m_fish[static_cast<size_t>(j)]; }
    Fish& operator[](int j) { return m_fish[static_cast<size_t>(j)]; }
    void SetSwimBox(int j, float xMin, float xMax, float yTop, float yBottom, float zLimit, float z6) override
    {
        (*this)[j].SetSwimBox(xMin, xMax, yTop, yBottom, zLimit, z6);
    }
    void DrawFish(int j, const FishDrawArgs& args) override { DrawInItsForm((*this)[j], args); }
    void Touch(int j) override { TouchFish((*this)[j]); }
    void ChangeSize(int j, float amount, bool grow) override { (*this)[j].ChangeSize(amount, grow); }

private:
    std::vector<Fish> m_fish;
};
