#include "menu/background_tiles.h"

namespace menu {

std::vector<TilePosition> TilePositions(forms::Twips tileWidth, forms::Twips tileHeight,
                                        forms::Twips areaWidth, forms::Twips areaHeight) {
    std::vector<TilePosition> positions;
    if (tileWidth <= 0 || tileHeight <= 0) return positions;
    // 64-bit steps, so that the last step past a huge area cannot overflow.
    for (long long x = 0; x <= areaWidth; x += tileWidth)
        for (long long y = 0; y <= areaHeight; y += tileHeight)
            positions.push_back({static_cast<forms::Twips>(x), static_cast<forms::Twips>(y)});
    return positions;
}

}  // namespace menu
