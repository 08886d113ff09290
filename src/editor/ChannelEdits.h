#pragma once

#include "EditResult.h"
#include "IcSelection.h"
#include "StepperSelection.h"

#include <QString>

namespace zyn {

struct EditContext;

// The operations on channel cells (IC table) and stepper cells: assigning a
// typed or the current cue, security levels, copy and apply the copy,
// delete. A typed entry is written as a well-formed cue assignment ("12",
// "12-3"); a cue outside 1..MaxCues or a level above MaxLevel is refused
// with a warning and nothing is written.
class ChannelEdits {
public:
    // Key codes of the security keys: F1..F10 set levels 1..10, F12 clears.
    static constexpr int KeyF1 = 112;
    static constexpr int KeyF10 = 121;
    static constexpr int KeyF12 = 123;

    explicit ChannelEdits(EditContext& context) : m_context(context) {}

    EditResult sb_IC_Copy(int slave, int channel);
    EditResult sb_Steper_Copy(int cell);
    // Writes the copied cell into every selected cell, when the copy is a key
    // assignment or names a cue that has a time; warns otherwise.
    EditResult sb_IC_Tausch(const IcSelection& selection);
    EditResult sb_Steper_Tausch(const StepperSelection& selection);

    // Commits the IC or stepper input box: a cue number, optionally followed
    // by any of - . , / * ; : # or a blank and a security level. Closes the
    // input (InputActive cleared) whatever the outcome.
    EditResult sb_Put_IC(const QString& typed, int slave, int channel);
    EditResult sb_Put_Stepper(const QString& typed, int cell);

    // The cue of the cue grid's current row into every selected channel,
    // replacing what was there. Does nothing while an input box is open.
    EditResult sb_Eingabe_ICSelect(int cueRow, const IcSelection& selection);
    // The current cue into the stepper cell, only when the cue has a time.
    EditResult sb_Eingabe_StepperSelect(int cueRow, int cell);

    // F1..F10 set the level of the key (a level above MaxLevel that matches
    // the key stays as it is), F12 removes it; empty cells stay empty. Only
    // in a time-coded show.
    EditResult sb_IC_Set_Security(int keyCode, const IcSelection& selection);
    EditResult sb_Steper_Set_Security(int keyCode, const StepperSelection& selection);

    EditResult sb_IC_Delete(const IcSelection& selection);
    EditResult sb_Stepper_Delete(const StepperSelection& selection);

    // The cell after a security key, or nothing for an empty cell.
    static QString withSecurityKey(const QString& cell, int keyCode);

private:
    // The cell an input box's text gives, "" after a refusal (with its warning).
    QString cellFromTyped(const QString& typed, bool needsTime) const;
    bool mayApplyCopy(const QString& copy, bool keysAllowed) const;

    EditContext& m_context;
};

} // namespace zyn
