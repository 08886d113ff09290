#pragma once

namespace zyn::SoundtrackTextId {

// What the user is told when a project's soundtrack does not come back whole.
enum : int {
    CompanionUnreadable = 450,
    AudioMissing = 451,
};

} // namespace zyn::SoundtrackTextId
