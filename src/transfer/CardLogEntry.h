#pragma once

#include "verify/PlanDifference.h"

#include <QString>
#include <QtGlobal>

namespace zyn {

class LanguageTexts;

// One event of a card write, as the log shows it. The log is plain text
// built by appending each entry's piece in order:
//
//   Section   a new line with the phase's language text
//   Done      "......" behind it when the phase is over
//   Error     a new line "ERROR: ", the status in hexadecimal, a blank and
//             the reader's text for it
//   Result    a new line with the outcome's language text, followed by a
//             blank and the number when the entry has one
//   Difference  a new line naming one place where the card read back departs
//             from the image, in the show's terms
//
// A write that ends well ends with its success lines; any other write ends
// with a line that says it failed, stopped or differs, the last followed by
// its differences when the card read back still makes a plan.
struct CardLogEntry {
    enum class Kind { Section, Done, Error, Result, Difference };

    Kind kind = Kind::Section;
    int text = 0;              // Section, Result: the language text
    quint32 status = 0;        // Error
    QString readerText;        // Error
    qint64 number = -1;        // Result: shown when not negative
    PlanDifference difference; // Difference

    static CardLogEntry section(int text) { return {Kind::Section, text, 0, {}, -1, {}}; }
    static CardLogEntry done() { return {Kind::Done, 0, 0, {}, -1, {}}; }
    static CardLogEntry error(quint32 status, const QString& readerText) {
        return {Kind::Error, 0, status, readerText, -1, {}};
    }
    static CardLogEntry result(int text, qint64 number = -1) {
        return {Kind::Result, text, 0, {}, number, {}};
    }
    static CardLogEntry differs(const PlanDifference& difference) {
        return {Kind::Difference, 0, 0, {}, -1, difference};
    }

    // "ERROR: " + code in hexadecimal + " " + text: also the line of a single
    // reader command that failed.
    static QString errorLine(quint32 status, const QString& readerText);

    // The text this entry adds to the log; the first entry of a log starts
    // no new line.
    QString piece(const LanguageTexts& texts, bool logEmpty) const;

    friend bool operator==(const CardLogEntry&, const CardLogEntry&) = default;
};

} // namespace zyn
