// User-defined buttons as plain data: the record, the 32 page slots with
// the page on show, the run's button counter and the page rules.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum {
    USER_BUTTON_FIRST_ID = 8000,
    USER_BUTTON_LIMIT = 100,      // buttons made in one run
    USER_PAGE_SLOTS = 32,
    USER_LABEL_SIZE = 16,         // 15 bytes and the terminator
    USER_TEXT_MAX = 16384,
};

enum UserButtonKind {
    KIND_POSITION = 0,
    KIND_INSERT_AT_POINTER = 1,
    KIND_DOS_COMMAND = 2,
    KIND_EDITOR_FUNCTION = 3,
    KIND_INSERT_AT_CARET = 4,
    KIND_DOS_BATCH = 5,
};

struct UserButton {
    char szLabel[USER_LABEL_SIZE] = "";
    uint8_t kind = KIND_POSITION;
    int32_t value = 0;        // position (kind 0) or command id (kind 3)
    uint32_t id = 0;
    std::string text;         // kinds 1, 2, 4, 5
};

struct UserButtonPages {
    std::vector<UserButton> slots[USER_PAGE_SLOTS];
    int nCurrent = 0;          // the slot on show
    int nUserButtons = 0;      // buttons made or loaded in this run; never shrinks
};

// True for kinds that carry a text.
bool KindHasText(uint8_t kind);

// Sets the label, cut on a character boundary to 15 bytes.
void SetButtonLabel(UserButton &button, const char *szLabel);

// Appends a button to the page on show with the next id. Returns the
// button, or null when the run's limit of 100 is reached (nothing added).
UserButton *AddUserButton(UserButtonPages &pages, const char *szLabel, uint8_t kind,
                          int32_t value, const std::string &text);

// Deletes the button with the id from the page on show; 1, or 0 when absent.
int DeleteUserButton(UserButtonPages &pages, uint32_t id);

// The button with the id on any page, or null.
UserButton *FindUserButton(UserButtonPages &pages, uint32_t id);

// Next page: the following slot when the page on show has buttons and is
// not the last; an empty page before a filled one is dropped (later slots
// move down); otherwise slot 0.
void NextUserPage(UserButtonPages &pages);

// Exchanges the slot on show with the one nshift away and follows it.
// 1, or 0 when the target is outside the 32 slots.
int ShiftUserPage(UserButtonPages &pages, int nshift);

// Leading slots, stopping at two empty slots in a row (at most 32).
int CountUserPages(const UserButtonPages &pages);

// The two default buttons on page 1: "Top" (position 0), "End" (-1).
void MakeDefaultButtons(UserButtonPages &pages);

// Kind name as the property sheet shows it (CP932), or null.
const char *UserButtonKindName(uint8_t kind);
