#include "platform/resources.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const unsigned char kAlpha[] = {1, 2, 3};
const unsigned char kBeta[] = {4, 5, 6, 7, 8};
const unsigned char kShadow[] = {9};
const unsigned char kIcon[] = {10, 11};

// Ids far from the game's own, so no other table in this binary can clash.
const EmbeddedResource kFirst[] = {
    {"RCAD", 91001, kAlpha, sizeof kAlpha},
    {"RCAD", 91002, kBeta, sizeof kBeta},
    {"ICON", 91003, kIcon, sizeof kIcon},
};
const EmbeddedResource kSecond[] = {
    {"RCAD", 91002, kShadow, sizeof kShadow},  // same id again: the first table wins
    {"RCAD", 91004, kShadow, sizeof kShadow},
    {"rcad", 91005, kIcon, sizeof kIcon},
};

void RegisterTestTables()
{
    static const bool once = [] {
        RegisterResources(nullptr, 0);  // an empty table is ignored
        RegisterResources(kFirst, std::size(kFirst));
        RegisterResources(kSecond, std::size(kSecond));
        return true;
    }();
    (void)once;
}

struct Lookup {
    int id;
    const char* type;
    const unsigned char* data;  // null: not found
    DWORD size;
};

TEST(Resources, FindsByTypeAndIdAcrossTables)
{
    RegisterTestTables();
    const Lookup cases[] = {
        {91001, "RCAD", kAlpha, sizeof kAlpha},
        {91002, "RCAD", kBeta, sizeof kBeta},     // earlier table first
        {91004, "RCAD", kShadow, sizeof kShadow}, // second table
        {91003, "ICON", kIcon, sizeof kIcon},
        {91005, "RCAD", kIcon, sizeof kIcon},     // type names ignore ASCII case
        {91001, "rcad", kAlpha, sizeof kAlpha},
        {91003, "RCAD", nullptr, 0},              // id exists under another type only
        {91001, "ICON", nullptr, 0},
        {91001, "RCA", nullptr, 0},               // no prefix match
        {91001, "RCADX", nullptr, 0},
        {91999, "RCAD", nullptr, 0},              // missing id
        {91001, nullptr, nullptr, 0},
    };
    for (const Lookup& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << (c.type ? c.type : "(null)"));
        HRSRC found = FindResourceA(nullptr, c.id, c.type);
        if (c.data == nullptr) {
            EXPECT_EQ(found, nullptr);
            continue;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(LockResource(LoadResource(nullptr, found)), c.data);
        EXPECT_EQ(SizeofResource(nullptr, found), c.size);
    }
}

TEST(Resources, NullHandleGivesNothing)
{
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
}

}  // namespace
