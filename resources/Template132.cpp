#include "Templates.h"

// The game setup dialog: players and game size on the left, operations and number signs on the
// right, sounds and quick instructions below, the buttons along the bottom. "Quit Game" stands
// where Cancel does and takes its place when no game is in progress. The group boxes come last so
// that they lie beneath the buttons they frame.
DialogTemplate MakeTemplate132()
{
    using K = CtlKind;
    return DialogTemplate{
        132, QStringLiteral("Zorbly! Game Setup"), 226, 170, 8, 0, {},
        {
            {1016, K::RadioButton, QStringLiteral("One Player"), 15, 19, 86, 10, kGroup},
            {1018, K::Edit, {}, 15, 19, 86, 12, kHidden},
            {1017, K::RadioButton, QStringLiteral("Two Players"), 15, 31, 86, 10},
            {1019, K::Edit, {}, 15, 31, 86, 12, kHidden | kDisabled},
            {1027, K::RadioButton, QStringLiteral("Quick"), 15, 65, 86, 10, kGroup},
            {1028, K::RadioButton, QStringLiteral("Small"), 15, 77, 86, 10},
            {1029, K::RadioButton, QStringLiteral("Medium"), 15, 89, 86, 10},
            {1030, K::RadioButton, QStringLiteral("Large"), 15, 101, 86, 10},
            {1020, K::CheckBox, QStringLiteral("Addition"), 123, 19, 90, 10},
            {1021, K::CheckBox, QStringLiteral("Subtraction"), 123, 31, 90, 10},
            {1022, K::CheckBox, QStringLiteral("Multiplication"), 123, 43, 90, 10},
            {1023, K::CheckBox, QStringLiteral("Division"), 123, 55, 90, 10},
            {1024, K::RadioButton, QStringLiteral("Positive"), 123, 89, 90, 10, kGroup},
            {1025, K::RadioButton, QStringLiteral("Negative"), 123, 101, 90, 10},
            {1026, K::RadioButton, QStringLiteral("Positive and Negative"), 123, 113, 90, 10},
            {1050, K::CheckBox, QStringLiteral("Play Sounds"), 9, 123, 96, 10},
            {1051, K::CheckBox, QStringLiteral("Show Quick Instructions"), 9, 135, 100, 10},
            {1049, K::PushButton, QStringLiteral("Quit Game"), 7, 150, 50, 14, kHidden},
            {2, K::PushButton, QStringLiteral("Cancel"), 7, 150, 50, 14},
            {1, K::DefPushButton, QStringLiteral("OK"), 169, 150, 50, 14},
            {-1, K::GroupBox, QStringLiteral("Players"), 7, 7, 102, 40},
            {-1, K::GroupBox, QStringLiteral("Game Size"), 7, 53, 102, 64},
            {-1, K::GroupBox, QStringLiteral("Operations"), 115, 7, 104, 64},
            {-1, K::GroupBox, QStringLiteral("Number Signs"), 115, 77, 104, 52},
        }};
}
