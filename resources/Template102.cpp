#include "Resources.h"
#include "Templates.h"

// The game window: board, score panel, expression row, Hint and Pass.
DialogTemplate MakeTemplate102()
{
    using K = CtlKind;
    const QString q = QStringLiteral("?");
    return DialogTemplate{
        102, QStringLiteral("Zorbly (Elementary Algebra)"), 280, 170, 12, 129, GetMenu(129),
        {
            {1028, K::DefPushButton, QStringLiteral("r"), 84, 136, 8, 8, kHidden},
            {1039, K::IconStatic, {}, 97, 134, 18, 20, kHidden, 135},
            {1008, K::PushButton, q, 90, 152, 16, 13, kHidden | kDisabled},
            {1016, K::Static, q, 109, 158, 19, 8, kHidden},
            {2004, K::PushButton, {}, 72, 152, 16, 13, kHidden | kDisabled},
            {1036, K::Static, q, 42, 159, 27, 8, kHidden},
            {1043, K::Static, QStringLiteral("Anchor"), 1, 129, 41, 8, kHidden},
            {1038, K::DefPushButton, QStringLiteral("Hint"), 1, 132, 32, 14},
            {1029, K::PushButton, QStringLiteral("Pass"), 1, 148, 32, 14},
            {1014, K::BlackRect, {}, 1, 0, 277, 108},
            {1035, K::Static, QStringLiteral("0"), 3, 120, 17, 8, kAlignRight},
            {1034, K::Static, QStringLiteral("0"), 3, 112, 17, 8, kAlignRight},
            {23453, K::Static, QStringLiteral(":"), 22, 112, 8, 8},
            {1033, K::Static, QStringLiteral("Player Two"), 30, 120, 89, 8},
            {23534, K::Static, QStringLiteral(":"), 22, 120, 8, 8},
            {1032, K::Static, QStringLiteral("Player One"), 30, 112, 89, 8},
            {1044, K::GroupBox, {}, 0, 106, 124, 23},
            {1010, K::FrameStatic, {}, 165, 129, 7, 24, kTransparent},
            {2002, K::PushButton, {}, 172, 132, 16, 13, kDisabled},
            {1009, K::FrameStatic, {}, 189, 128, 7, 24, kTransparent},
            {1007, K::OwnerDrawButton, {}, 196, 134, 10, 10},
            {2003, K::PushButton, {}, 213, 132, 16, 13, kDisabled},
            {1005, K::FrameStatic, {}, 230, 128, 7, 24, kTransparent},
            {23876, K::Static, QStringLiteral("="), 237, 134, 8, 8},
            {1013, K::Static, q, 244, 134, 16, 8},
            {1004, K::PushButton, QStringLiteral("( )"), 261, 154, 16, 13},
            {1002, K::PushButton, q, 261, 140, 16, 13},
            {1001, K::PushButton, q, 261, 126, 16, 13},
            {1000, K::PushButton, q, 261, 112, 16, 13},
            {1011, K::FrameStatic, {}, 126, 129, 7, 24, kTransparent},
            {2001, K::PushButton, {}, 133, 132, 16, 13, kDisabled},
            {1031, K::Static, {}, 139, 113, 114, 8, kTransparent},
            {1006, K::OwnerDrawButton, {}, 155, 134, 10, 10},
            {1037, K::Static, q, 140, 147, 27, 8, kHidden},
            {1045, K::GroupBox, {}, 125, 106, 154, 63},
        }};
}
