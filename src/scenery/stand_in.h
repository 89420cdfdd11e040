// A scenery class that is not built yet: its constructor takes exactly the
// draws of the class's constructor from the rand() sequence and does nothing
// else, so every value drawn after it is the one the finished class will
// leave there. The class's own file keeps its set-up step (with the set-up's
// draws for it) and its kind rows; building the class replaces the stand-in
// in that file and its header.
#pragma once

class CSceneryStandIn {
public:
    virtual ~CSceneryStandIn() = default;

protected:
    explicit CSceneryStandIn(int draws);
};
