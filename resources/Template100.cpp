#include "Templates.h"

// The about box: the start-up picture, platform, version and year, and OK.
DialogTemplate MakeTemplate100()
{
    using K = CtlKind;
    return DialogTemplate{
        100, QStringLiteral("About..."), 162, 215, 10, 0, {},
        {
            {1, K::DefPushButton, QStringLiteral("OK"), 64, 196, 32, 14},
            {1036, K::Picture, {}, 1, 2, 159, 155},
            {-1, K::Static, QStringLiteral("Platform :"), 10, 164, 51, 8, kAlignRight},
            {-1, K::Static, QStringLiteral("Version :"), 11, 173, 50, 8, kAlignRight},
            {-1, K::Static, QStringLiteral("Year :"), 11, 182, 50, 11, kAlignRight},
            {1000, K::Static, QStringLiteral("32 Bit Microsoft Windows"), 64, 164, 88, 8},
            {1047, K::Static, QStringLiteral("2.003"), 64, 173, 59, 8},
            {1002, K::Static, QStringLiteral("1998"), 64, 182, 59, 8},
        }};
}
