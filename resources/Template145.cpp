#include "Templates.h"

// A player's progress: the chart of his/her games (or a note when there are too few to chart),
// saving it as a picture, and OK.
DialogTemplate MakeTemplate145()
{
    using K = CtlKind;
    return DialogTemplate{
        145, QStringLiteral("Progress"), 500, 256, 8, 0, {},
        {
            {1041, K::FrameStatic, {}, 7, 7, 486, 222},
            {1042, K::Static, {}, 20, 100, 460, 20, kAlignCenter | kHidden},
            {1043, K::PushButton, QStringLiteral("Save Picture..."), 7, 235, 70, 14},
            {1, K::DefPushButton, QStringLiteral("OK"), 443, 235, 50, 14},
        }};
}
