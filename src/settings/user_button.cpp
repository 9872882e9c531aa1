#include "settings/user_button.h"

#include <cstring>

#include "common/cp932.h"

/* KindHasText: the insertion, command and batch kinds. */
bool KindHasText(uint8_t kind)
{
    return kind == KIND_INSERT_AT_POINTER || kind == KIND_DOS_COMMAND ||
           kind == KIND_INSERT_AT_CARET || kind == KIND_DOS_BATCH;
}

/* SetButtonLabel: the label within its 16-byte field. */
void SetButtonLabel(UserButton &button, const char *szLabel)
{
    if (!szLabel)
        szLabel = "";
    size_t n = cp932::CutOnCharBoundary(szLabel, std::strlen(szLabel), USER_LABEL_SIZE - 1);
    std::memcpy(button.szLabel, szLabel, n);
    button.szLabel[n] = '\0';
}

/* AddUserButton: a new button on the page on show. */
UserButton *AddUserButton(UserButtonPages &pages, const char *szLabel, uint8_t kind,
                          int32_t value, const std::string &text)
{
    if (pages.nUserButtons >= USER_BUTTON_LIMIT)
        return nullptr;
    UserButton button;
    SetButtonLabel(button, szLabel);
    button.kind = kind;
    button.value = value;
    button.id = USER_BUTTON_FIRST_ID + pages.nUserButtons;
    if (KindHasText(kind)) {
        size_t nLen = std::strlen(text.c_str());
        if (nLen > USER_TEXT_MAX)
            nLen = cp932::CutOnCharBoundary(text.c_str(), nLen, USER_TEXT_MAX);
        button.text.assign(text.c_str(), nLen);
    }
    std::vector<UserButton> &slot = pages.slots[pages.nCurrent];
    slot.push_back(button);
    ++pages.nUserButtons;
    return &slot.back();
}

/* DeleteUserButton: removes a button of the page on show; ids stay used. */
int DeleteUserButton(UserButtonPages &pages, uint32_t id)
{
    std::vector<UserButton> &slot = pages.slots[pages.nCurrent];
    for (size_t i = 0; i < slot.size(); ++i) {
        if (slot[i].id == id) {
            slot.erase(slot.begin() + i);
            return 1;
        }
    }
    return 0;
}

/* FindUserButton: searches every page. */
UserButton *FindUserButton(UserButtonPages &pages, uint32_t id)
{
    for (std::vector<UserButton> &slot : pages.slots)
        for (UserButton &button : slot)
            if (button.id == id)
                return &button;
    return nullptr;
}

/* NextUserPage: moves to the next page by the bar's rules. */
void NextUserPage(UserButtonPages &pages)
{
    int k = pages.nCurrent;
    bool bLast = k == USER_PAGE_SLOTS - 1;
    if (!pages.slots[k].empty() && !bLast) {
        pages.nCurrent = k + 1;
    } else if (pages.slots[k].empty() && !bLast && !pages.slots[k + 1].empty()) {
        for (int i = k; i + 1 < USER_PAGE_SLOTS; ++i)
            pages.slots[i].swap(pages.slots[i + 1]);
        pages.slots[USER_PAGE_SLOTS - 1].clear();
    } else {
        pages.nCurrent = 0;
    }
}

/* ShiftUserPage: exchanges two slots and follows the one on show. */
int ShiftUserPage(UserButtonPages &pages, int nshift)
{
    long target = static_cast<long>(pages.nCurrent) + nshift;
    if (target < 0 || target >= USER_PAGE_SLOTS)
        return 0;
    pages.slots[pages.nCurrent].swap(pages.slots[target]);
    pages.nCurrent = static_cast<int>(target);
    return 1;
}

/* CountUserPages: stops at two empty slots in a row. */
int CountUserPages(const UserButtonPages &pages)
{
    int n = 0;
    for (int k = 0; k < USER_PAGE_SLOTS; ++k) {
        bool bNextEmpty = k + 1 >= USER_PAGE_SLOTS || pages.slots[k + 1].empty();
        if (pages.slots[k].empty() && bNextEmpty)
            break;
        ++n;
    }
    return n;
}

/* MakeDefaultButtons: "Top" and "End" position buttons on page 1. */
void MakeDefaultButtons(UserButtonPages &pages)
{
    int nSaved = pages.nCurrent;
    pages.nCurrent = 0;
    AddUserButton(pages, "Top", KIND_POSITION, 0, "");
    AddUserButton(pages, "End", KIND_POSITION, -1, "");
    pages.nCurrent = nSaved;
}

/* UserButtonKindName: the sheet's names of the six kinds. */
const char *UserButtonKindName(uint8_t kind)
{
    static const char *const names[] = {
        "\x88\xca\x92\x75",                                  // 位置
        "\x91\x7d\x93\xfc\x81\x69\x83\x4a\x81\x5b\x81\x6a",  // 挿入（カー）
        "DOS\x96\xbd\x97\xdf",                               // DOS命令
        "\x83\x47\x83\x66\x83\x42\x83\x5e\x8b\x40\x94\x5c",  // エディタ機能
        "\x91\x7d\x93\xfc\x81\x69\x83\x4c\x83\x83\x81\x6a",  // 挿入（キャ）
        "DOS(\x83\x6f\x83\x62\x83\x60)",                     // DOS(バッチ)
    };
    return kind < 6 ? names[kind] : nullptr;
}
