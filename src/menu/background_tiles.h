// Where the tiles of a background picture go.
#pragma once

#include <vector>

#include "forms/types.h"

namespace menu {

struct TilePosition {
    forms::Twips x = 0;
    forms::Twips y = 0;
    bool operator==(const TilePosition&) const = default;
};

// Top-left corners of tiles of tileWidth x tileHeight that cover an area of
// areaWidth x areaHeight from (0, 0): x = 0, w, 2w, ... while x <= areaWidth,
// and within each column y = 0, h, 2h, ... while y <= areaHeight. A tile
// without size covers nothing and gives no position.
std::vector<TilePosition> TilePositions(forms::Twips tileWidth, forms::Twips tileHeight,
                                        forms::Twips areaWidth, forms::Twips areaHeight);

}  // namespace menu
