#include "GridStyle.h"

#include <cmath>

namespace zyn::GridStyle {

int twipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

int pixelsToTwips(int pixels, double logicalDpi) {
    return static_cast<int>(std::lround(pixels * 1440.0 / logicalDpi));
}

} // namespace zyn::GridStyle
