#include "core/widgets/NineSlice.h"

#include <algorithm>

namespace qx71 {

std::array<SlicePiece, 9> NineSlice(Size image, Size target, int corner)
{
    const int c = std::max(0, std::min({corner, image.width / 2, image.height / 2, target.width / 2,
                                        target.height / 2}));
    // Column and row edges of source and target: 0, c, size - c, size.
    const std::array<int, 4> sx{0, c, image.width - c, image.width};
    const std::array<int, 4> sy{0, c, image.height - c, image.height};
    const std::array<int, 4> tx{0, c, target.width - c, target.width};
    const std::array<int, 4> ty{0, c, target.height - c, target.height};
    std::array<SlicePiece, 9> pieces;
    for (size_t row = 0; row < 3; ++row) {
        for (size_t col = 0; col < 3; ++col) {
            pieces[row * 3 + col] = {{sx[col], sy[row], sx[col + 1], sy[row + 1]},
                                     {tx[col], ty[row], tx[col + 1], ty[row + 1]}};
        }
    }
    return pieces;
}

} // namespace qx71
