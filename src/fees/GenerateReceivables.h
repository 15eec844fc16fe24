#pragma once
// Generating a billing month's receivables: one Fee row for every FeeSet row
// (every item of every room, whatever the room's state). Each new row takes
// its meters' start readings from the same room and item in the base month
// (n months earlier), and, when that base row is unpaid, the base month's
// total as arrears with a late fee on it.
//
// The whole run is one transaction: the month is deleted and rebuilt, or,
// on any error, left exactly as it was (data::Error is rethrown).

#include "fees/Period.h"

#include <QString>
#include <optional>

namespace data { class Connection; }

namespace fees {

struct GenerationRequest {
    Period month;                  // the month to generate
    int months = 1;                // n, the months charged: 1 to 9
    bool replaceExisting = false;  // the user confirmed re-generating a month that has rows
};

struct GenerationResult {
    enum class Outcome {
        Generated,           // first generation of the month
        Regenerated,         // the month's rows were replaced
        InvalidMonth,        // nothing done
        InvalidMonthCount,   // nothing done
        CollectedRowsExist,  // nothing done: the month holds collected rows
        NeedsConfirmation,   // nothing done: the month has rows; ask, then run with replaceExisting
    };
    Outcome outcome = Outcome::InvalidMonth;
    QString period;         // the generated month's text
    QString basePeriod;     // the month the readings and arrears came from
    int deleted = 0;        // rows of the month removed first
    int inserted = 0;       // rows written, one per FeeSet row
    int carried = 0;        // rows that found a base row
    int withArrears = 0;    // rows that took arrears from an unpaid base row
    int existingRows = 0;   // rows of the month found (NeedsConfirmation, CollectedRowsExist)
    int collectedRows = 0;  // collected rows of the month found (CollectedRowsExist)

    bool succeeded() const { return outcome == Outcome::Generated || outcome == Outcome::Regenerated; }
    // The information after success, the question for NeedsConfirmation, the
    // warning otherwise.
    QString message() const;
};

// The question asked before a month that has rows is generated again.
QString regenerateQuestion();

// The month count as typed in the dialog's one-character edit: a digit 1-9.
std::optional<int> parseMonthCount(const QString& text);

// Throws data::Error when the database fails or a FeeSet value does not fit
// its Fee column; nothing is changed then.
GenerationResult GenerateReceivables(data::Connection& c, const GenerationRequest& request);

}  // namespace fees
