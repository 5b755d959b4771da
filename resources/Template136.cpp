#include "Templates.h"

// The game's own message box: one or two centred lines and OK.
DialogTemplate MakeTemplate136()
{
    return DialogTemplate{
        136, QStringLiteral("?"), 151, 38, 10, 0, {},
        {
            {1041, CtlKind::Static, QStringLiteral("?"), 1, 2, 150, 21, kAlignCenter},
            {1, CtlKind::DefPushButton, QStringLiteral("OK"), 62, 25, 28, 11},
        }};
}
