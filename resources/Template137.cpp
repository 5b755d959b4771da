#include "Templates.h"

// Player statistics: the games played, the report of the selected one, and its commands.
// The games are listed in the order they were played, not sorted as text. Progress opens the
// chart of all of them.
DialogTemplate MakeTemplate137()
{
    using K = CtlKind;
    return DialogTemplate{
        137, QStringLiteral("Player Statistics"), 330, 250, 8, 0, {},
        {
            {-1, K::Static,
             QStringLiteral("Select the game you would like to see statistics on..."), 7, 6, 316, 9,
             kAlignCenter},
            {1031, K::ListBox, {}, 7, 17, 316, 58, kNotify},
            {1034, K::Static, QStringLiteral("No Game Selected"), 7, 79, 316, 9, kAlignCenter},
            {1032, K::Edit, {}, 7, 90, 316, 133},
            {1035, K::PushButton, QStringLiteral("Purge"), 7, 229, 50, 14, kDisabled},
            {1036, K::PushButton, QStringLiteral("Purge All"), 62, 229, 50, 14, kDisabled},
            {1033, K::PushButton, QStringLiteral("Print"), 117, 229, 50, 14, kDisabled},
            {1037, K::PushButton, QStringLiteral("Progress..."), 172, 229, 50, 14},
            {1, K::DefPushButton, QStringLiteral("OK"), 273, 229, 50, 14},
        }};
}
