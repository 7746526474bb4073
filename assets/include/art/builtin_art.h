#pragma once
#include <array>

// The pictures compiled into the executable, baked at build time into the
// zorva_builtin_art library. Load them with QImage(path) or QPixmap(path).
namespace zorva::art {

struct TBuiltinPicture {
    const char* Path;
    int Width;
    int Height;
};

// Main window.
inline constexpr TBuiltinPicture SpinBtn{":/art/SpinBtn.png", 124, 72};
inline constexpr TBuiltinPicture StopBtn{":/art/StopBtn.png", 124, 72};
inline constexpr TBuiltinPicture Stop2{":/art/Stop2.png", 124, 72};
inline constexpr TBuiltinPicture Options{":/art/Options.png", 62, 20};
inline constexpr TBuiltinPicture DigitsSmall{":/art/DigitsSmall.png", 188, 21};
inline constexpr TBuiltinPicture GreenSmall{":/art/GreenSmall.png", 188, 21};
inline constexpr TBuiltinPicture DigitsLarge{":/art/DigitsLarge.png", 376, 42};
inline constexpr TBuiltinPicture GreenLarge{":/art/GreenLarge.png", 376, 42};
inline constexpr TBuiltinPicture PlusSmall{":/art/PlusSmall.png", 30, 15};
inline constexpr TBuiltinPicture PlusMinus{":/art/PlusMinus.png", 62, 31};
inline constexpr TBuiltinPicture Bonus16{":/art/Bonus16.png", 16, 32};
inline constexpr TBuiltinPicture Bonus{":/art/Bonus.png", 32, 64};
inline constexpr TBuiltinPicture Logo{":/art/Logo.png", 200, 225};

// Card game. Outside the rounded corners Pos, back and Joker are black and Neg is white,
// so the cards can be drawn with an AND of Neg followed by an OR of the picture.
namespace cards {
inline constexpr TBuiltinPicture Pos{":/art/cards/Pos.png", 73, 98};
inline constexpr TBuiltinPicture Neg{":/art/cards/Neg.png", 73, 98};
inline constexpr TBuiltinPicture back{":/art/cards/back.png", 73, 98};
inline constexpr TBuiltinPicture Joker{":/art/cards/Joker.png", 73, 98};
inline constexpr TBuiltinPicture Royal{":/art/cards/Royal.png", 141, 148};
inline constexpr TBuiltinPicture Suits{":/art/cards/Suits.png", 60, 30};
inline constexpr TBuiltinPicture SuitSm{":/art/cards/SuitSm.png", 44, 22};
inline constexpr TBuiltinPicture Black{":/art/cards/Black.png", 117, 28};
inline constexpr TBuiltinPicture Red{":/art/cards/Red.png", 117, 28};
} // namespace cards

// Pyramid squares.
namespace pyramid {
inline constexpr TBuiltinPicture BlueBox{":/art/pyramid/BlueBox.png", 64, 64};
inline constexpr TBuiltinPicture Red{":/art/pyramid/Red.png", 64, 64};
} // namespace pyramid

// Borrow chips: 16 colours; the bottom-left pixel's colour (teal) is the transparent one.
namespace chips {
inline constexpr TBuiltinPicture Chip1000{":/art/chips/Chip1000.png", 66, 42};
inline constexpr TBuiltinPicture Chip100{":/art/chips/Chip100.png", 66, 42};
inline constexpr TBuiltinPicture Chip10{":/art/chips/Chip10.png", 66, 42};
inline constexpr TBuiltinPicture Chip1{":/art/chips/Chip1.png", 66, 42};
inline constexpr int ChipColours = 16;
} // namespace chips

inline constexpr std::array AllBuiltinPictures{
    SpinBtn,    StopBtn,          Stop2,        Options,         DigitsSmall,    GreenSmall,    DigitsLarge,
    GreenLarge, PlusSmall,        PlusMinus,    Bonus16,         Bonus,          Logo,          cards::Pos,
    cards::Neg, cards::back,      cards::Joker, cards::Royal,    cards::Suits,   cards::SuitSm, cards::Black,
    cards::Red, pyramid::BlueBox, pyramid::Red, chips::Chip1000, chips::Chip100, chips::Chip10, chips::Chip1,
};

} // namespace zorva::art
