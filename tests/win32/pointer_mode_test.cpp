// The pointer modes of the main window: at most one at a time, whoever
// asks (the main window's own area, the capture, position capture from the
// menu (205) or a button's pop-up (213), armed insertion (211)).
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frame/globals.h"

TEST(PointerMode, AnActiveModeRefusesEveryOther)
{
    const PointerMode modes[] = {POINTER_ARMED, POINTER_CAPTURE_DRAGGING, POINTER_POS_CAPTURE,
                                 POINTER_POS_CHANGE, POINTER_DESIGN, POINTER_ARMED_INSERT};
    for (PointerMode held : modes) {
        ASSERT_TRUE(SetPointerMode(POINTER_NONE));
        ASSERT_TRUE(SetPointerMode(held));
        for (PointerMode asked : {POINTER_ARMED, POINTER_POS_CAPTURE, POINTER_ARMED_INSERT})
            if (asked != held) {
                EXPECT_FALSE(SetPointerMode(asked)) << held << " then " << asked;
            }
        EXPECT_EQ(frame.pointerMode, held);
    }
    SetPointerMode(POINTER_NONE);
}

TEST(PointerMode, LeavingEndsOnlyTheModeNamed)
{
    ASSERT_TRUE(SetPointerMode(POINTER_ARMED_INSERT));
    LeavePointerMode(POINTER_ARMED);
    EXPECT_EQ(frame.pointerMode, POINTER_ARMED_INSERT);
    // Position capture is refused while armed insertion is on (205 used to
    // set it beside the insertion).
    EXPECT_FALSE(SetPointerMode(POINTER_POS_CAPTURE));
    LeavePointerMode(POINTER_ARMED_INSERT);
    EXPECT_EQ(frame.pointerMode, POINTER_NONE);
    EXPECT_TRUE(SetPointerMode(POINTER_ARMED));
    EXPECT_TRUE(SetPointerMode(POINTER_CAPTURE_DRAGGING));
    EXPECT_TRUE(IsArmed());
    EXPECT_TRUE(SetPointerMode(POINTER_NONE));
    EXPECT_FALSE(IsArmed());
}
