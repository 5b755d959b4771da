#include "Templates.h"

// Delete players: the registered players but those of the game in progress, Cancel and OK.
DialogTemplate MakeTemplate142()
{
    using K = CtlKind;
    return DialogTemplate{
        142, QStringLiteral("Delete Players"), 186, 162, 8, 0, {},
        {
            {-1, K::Static,
             QStringLiteral("Once a player is deleted, that player and his/her game information "
                            "is permanently erased."),
             7, 6, 172, 18},
            {1028, K::ListBox, {}, 7, 26, 172, 110, kSorted | kMultiSelect | kNotify},
            {2, K::PushButton, QStringLiteral("Cancel"), 7, 142, 50, 14},
            {1, K::DefPushButton, QStringLiteral("OK"), 129, 142, 50, 14, kDisabled},
        }};
}
