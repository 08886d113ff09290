#include "ProjectKey.h"

#include "TextCodec.h"

#include <array>

namespace zyn {

QByteArray buildProjectCodecKey() {
    static constexpr std::array<int, 7> Codes = {7, 3, 9, 5, 2, 8, 4};
    return BuildKeyString(Codes);
}

} // namespace zyn
