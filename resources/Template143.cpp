#include "Templates.h"

// Player selection: the registered players, the name box, Cancel, Statistics and OK.
DialogTemplate MakeTemplate143()
{
    using K = CtlKind;
    return DialogTemplate{
        143, QStringLiteral("Select Player"), 186, 166, 8, 0, {},
        {
            {-1, K::Static,
             QStringLiteral("Please select your name, or type your name in the edit box below."),
             7, 6, 172, 18, kAlignCenter},
            {1028, K::ListBox, {}, 7, 26, 172, 92, kSorted | kNotify},
            {-1, K::Static, QStringLiteral("Player's Name:"), 7, 126, 56, 9, kAlignRight},
            {1029, K::Edit, {}, 66, 124, 113, 13},
            {2, K::PushButton, QStringLiteral("Cancel"), 7, 145, 50, 14},
            {1030, K::PushButton, QStringLiteral("Statistics"), 68, 145, 50, 14, kDisabled},
            {1, K::DefPushButton, QStringLiteral("OK"), 129, 145, 50, 14, kDisabled},
        }};
}
