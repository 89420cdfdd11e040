// The fish of one species, held by value; the game window reaches every
// species through this interface, by species index.
#pragma once
#include "fish/fish_model.h"

#include <vector>

class IFishArray {
public:
    virtual ~IFishArray() = default;
    virtual int GetSize() const = 0;
    // Fish already there keep all their state; new fish are built at the end,
    // fish past n are destroyed; 0 releases the storage.
    virtual void SetSize(int n) = 0;
    virtual CFishModel& GetAt(int j) = 0;
    // Moves and draws fish j in its species' form of Draw.
    virtual void DrawFish(int j) = 0;
};

template <class Fish>
class CFishArray : public IFishArray {
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
    void DrawFish(int j) override { m_fish[static_cast<size_t>(j)].Draw(0); }

private:
    std::vector<Fish> m_fish;
};
