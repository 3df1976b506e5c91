// The Windows accessible object of a window that describes itself, asked as
// a screen reader asks it. Wine cannot marshal IAccessible (LresultFromObject
// gives E_NOINTERFACE there), so the object is asked directly.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/accessible.h"
#include "platform/win32/text.h"

namespace {

AFX_ACCESSIBLE_INFO ThreeBars()
{
    return {"tarvik",
            "現在の時刻を棒グラフで表示します",
            {{ROLE_SYSTEM_PROGRESSBAR, "分", "30分 51%", 51.25, 0, 100},
             {ROLE_SYSTEM_PROGRESSBAR, "秒", "45秒 75%", 75, 0, 100},
             {ROLE_SYSTEM_PROGRESSBAR, "ミリ秒", "0ミリ秒 0%", 0, 0, 100}}};
}

VARIANT Child(long id)
{
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string Take(BSTR text)
{
    const std::string utf8 = text ? Narrow(text) : "(none)";
    SysFreeString(text);
    return utf8;
}

void ExpectReads(IAccessible* acc)
{
    long count = 0;
    ASSERT_EQ(acc->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 3);
    const struct {
        long id;
        const char* name;
        const char* value;
        const char* description;
        long role;
    } rows[] = {
        {CHILDID_SELF, "tarvik", "(none)", "現在の時刻を棒グラフで表示します", ROLE_SYSTEM_CLIENT},
        {1, "分", "30分 51%", "30分 51%", ROLE_SYSTEM_PROGRESSBAR},
        {3, "ミリ秒", "0ミリ秒 0%", "0ミリ秒 0%", ROLE_SYSTEM_PROGRESSBAR},
    };
    for (const auto& row : rows) {
        BSTR text = nullptr;
        acc->get_accName(Child(row.id), &text);
        EXPECT_EQ(Take(text), row.name) << row.id;
        text = nullptr;
        acc->get_accValue(Child(row.id), &text);
        EXPECT_EQ(Take(text), row.value) << row.id;
        text = nullptr;
        acc->get_accDescription(Child(row.id), &text);
        EXPECT_EQ(Take(text), row.description) << row.id;
        VARIANT role{};
        ASSERT_EQ(acc->get_accRole(Child(row.id), &role), S_OK);
        EXPECT_EQ(role.lVal, row.role) << row.id;
    }
    BSTR text = nullptr;
    EXPECT_EQ(acc->get_accName(Child(4), &text), E_INVALIDARG);
    VARIANT state{};
    acc->get_accState(Child(2), &state);
    EXPECT_EQ(state.lVal, STATE_SYSTEM_READONLY);
    VARIANT next{};
    EXPECT_EQ(acc->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &next), S_OK);
    EXPECT_EQ(next.lVal, 1);
    EXPECT_EQ(acc->accNavigate(NAVDIR_NEXT, Child(3), &next), S_FALSE);
}

TEST(PartsAccessible, ReadsTheWindowAndItsParts)
{
    IAccessible* acc = NewPartsAccessible(nullptr, ThreeBars);
    ExpectReads(acc);
    acc->Release();
    LRESULT result = 0;
    EXPECT_FALSE(AnswerGetObject(nullptr, 0, LPARAM(OBJID_WINDOW), ThreeBars, &result));  // the system's own
}

}  // namespace
