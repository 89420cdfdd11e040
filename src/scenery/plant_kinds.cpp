#include "scenery/plant_kinds.h"

#include "platform/registration.h"
#include "scenery/tank_scenery.h"
#include "settings/settings.h"

#include <algorithm>
#include <string>

namespace {

// Function-local tables: registrations run during static initialisation, in
// any order across files.
std::vector<PlantKind>& KindTable()
{
    static std::vector<PlantKind> table;
    return table;
}

std::vector<ScenerySetUp>& SetUpTable()
{
    static std::vector<ScenerySetUp> table;
    return table;
}

std::vector<SceneryList>& ListTable()
{
    static std::vector<SceneryList> table;
    return table;
}

template <typename Row, typename Before>
void InsertSorted(std::vector<Row>& table, const Row& row, Before before)
{
    table.insert(std::upper_bound(table.begin(), table.end(), row, before), row);
}

void BindKindTexture(const SceneryContext& c, const KindTexture& t)
{
    switch (t.source) {
    case KindTexture::Keep:
        break;
    case KindTexture::Plant:
        glBindTexture(GL_TEXTURE_2D, c.texPlant[t.index]);
        break;
    case KindTexture::Fish:
        glBindTexture(GL_TEXTURE_2D, c.texFish[t.index]);
        break;
    case KindTexture::Blank:
        glBindTexture(GL_TEXTURE_2D, 0);
        break;
    }
}

}  // namespace

bool RegisterPlantKind(const PlantKind& kind)
{
    if (kind.kind < 0 || kind.kind >= PLANT_KIND_COUNT)
        RefuseRegistration("plant kind", std::to_string(kind.kind), "is outside the kinds the settings count");
    const KindTexture& t = kind.texture;
    if ((t.source == KindTexture::Plant && (t.index < 0 || t.index >= PLANT_TEXTURE_COUNT)) ||
        (t.source == KindTexture::Fish && (t.index < 0 || t.index >= FISH_SPECIES_COUNT)))
        RefuseRegistration("plant kind", std::to_string(kind.kind), "wears a picture the game does not have");
    for (const PlantKind& k : KindTable())
        if (k.kind == kind.kind)
            RefuseRegistration("plant kind", std::to_string(kind.kind));
    InsertSorted(KindTable(), kind, [](const PlantKind& a, const PlantKind& b) { return a.kind < b.kind; });
    return true;
}

bool RegisterScenerySetUp(const ScenerySetUp& step)
{
    // One place in the set-up's sequence for each object.
    for (const ScenerySetUp& s : SetUpTable())
        if (s.order == step.order)
            RefuseRegistration("scenery set-up step", std::to_string(step.order));
    InsertSorted(SetUpTable(), step, [](const ScenerySetUp& a, const ScenerySetUp& b) {
        return a.phase != b.phase ? a.phase < b.phase : a.order < b.order;
    });
    return true;
}

bool RegisterSceneryList(const SceneryList& list)
{
    if (list.slot < 0 || list.slot >= kSceneListCount)
        RefuseRegistration("scenery list", std::to_string(list.slot), "is outside the set-up's lists");
    for (const SceneryList& l : ListTable())
        if (l.slot == list.slot)
            RefuseRegistration("scenery list", std::to_string(list.slot));
    InsertSorted(ListTable(), list, [](const SceneryList& a, const SceneryList& b) { return a.slot < b.slot; });
    return true;
}

const std::vector<PlantKind>& PlantKinds() { return KindTable(); }

const std::vector<ScenerySetUp>& ScenerySetUps() { return SetUpTable(); }

const std::vector<SceneryList>& SceneryLists() { return ListTable(); }

void RunScenerySetUp(SceneryContext& c, SetUpPhase phase)
{
    for (const ScenerySetUp& step : SetUpTable())
        if (step.phase == phase && step.run)
            step.run(c);
}

void CompileSceneryList(SceneryContext& c, int slot)
{
    for (const SceneryList& list : ListTable())
        if (list.slot == slot && list.compile)
            list.compile(c);
}

void DrawPlantKind(SceneryContext& c, const PlantKind& k)
{
    if (k.scale[0] != 1.0f || k.scale[1] != 1.0f || k.scale[2] != 1.0f)
        glScalef(k.scale[0], k.scale[1], k.scale[2]);
    if (k.spot) {
        const float* s = k.spot(c.scenery);
        glTranslatef(s[0] + k.translate[0], c.Bottom() + s[1] + k.translate[1], c.Back() + s[2] + k.translate[2]);
    } else if (k.translate[0] != 0.0f || k.translate[1] != 0.0f || k.translate[2] != 0.0f) {
        glTranslatef(k.translate[0], k.translate[1], k.translate[2]);
    }
    for (const float* turn : k.turns)
        if (turn[0] != 0.0f)
            glRotatef(turn[0], turn[1], turn[2], turn[3]);
    if (k.draw)
        k.draw(c);
    else if (k.list >= 0 && k.list < kSceneListCount)
        glCallList(c.lists[k.list]);
}

void DrawPlantKinds(SceneryContext& c, PlantPass pass)
{
    for (const PlantKind& k : KindTable()) {
        if (k.pass != pass)
            continue;
        BindKindTexture(c, k.texture);
        // The scenery holds one object per kind: a kind is on or off.
        if (g_Settings.g_nPlantCount[k.kind] <= 0)
            continue;
        glPushMatrix();
        DrawPlantKind(c, k);
        glPopMatrix();
    }
}
