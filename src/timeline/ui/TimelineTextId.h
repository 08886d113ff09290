#pragma once

namespace zyn::TimelineTextId {

// Language texts of the timeline pane and the soundtrack dialog.
enum : int {
    SoundtrackMenuItem = 470,
    TimelineMenuItem = 471,
    SoundtrackTitle = 472,
    AudioFileLabel = 473,
    BrowseButton = 474,
    StartTimeLabel = 475,
    SegmentLabel = 476,
    AudioFilter = 477,
    PlayTooltip = 478,
    PlayFromCueTooltip = 479,
    SnapTooltip = 480,
    InvalidStartTime = 481,
    AudioFileMissing = 482,
    SegmentCaption = 483,
    SnapButton = 484,
    ReadingSoundtrack = 485,
    StopReadingTooltip = 486,
    SoundtrackUnreadable = 487,
};

} // namespace zyn::TimelineTextId
