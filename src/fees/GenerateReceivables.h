#pragma once
// Generating a billing month's receivables: one Fee row for every FeeSet row
// (every item of every room, whatever the room's state). Each new row takes
// its meters' start readings from the same room and item in the base month
// (n months earlier), and, when that base row is unpaid, the base month's
// total as arrears with a late fee on it.
//
// The whole run is one transaction, begun by taking the fee lock (FeeLock.h),
// so a second workstation generating the same month, or collecting in it,
// waits and then sees what this run committed. A month generated again keeps
// its collected rows as they are and rebuilds the rest; a room item with a
// collected row in the month gets no new row. On any error the month is left
// exactly as it was (data::Error is rethrown).

#include "fees/Period.h"

#include <QString>
#include <optional>

namespace data { class Connection; }

namespace fees {

// The same rows come out of either path; the general one is the only one on
// a server, the embedded database's own interface is several times faster.
enum class GenerationPath { Fastest, General };

struct GenerationRequest {
    Period month;                  // the month to generate
    int months = 1;                // n, the months charged: 0 to 9 (0: the month itself is the base)
    bool replaceExisting = false;  // the user confirmed re-generating a month that has rows
    GenerationPath path = GenerationPath::Fastest;
};

struct GenerationResult {
    enum class Outcome {
        Generated,           // first generation of the month
        Regenerated,         // the month's rows were replaced
        InvalidMonth,        // nothing done
        InvalidMonthCount,   // nothing done
        NeedsConfirmation,   // nothing done: the month has rows; ask, then run with replaceExisting
    };
    Outcome outcome = Outcome::InvalidMonth;
    QString period;         // the generated month's text
    QString basePeriod;     // the month the readings and arrears came from
    int deleted = 0;        // rows of the month removed first
    int inserted = 0;       // rows written, one per FeeSet row without a collected row
    int carried = 0;        // rows that found a base row
    int withArrears = 0;    // rows that took arrears from an unpaid base row
    int existingRows = 0;   // rows of the month found
    int collectedRows = 0;  // collected rows of the month found, kept as they are

    bool succeeded() const { return outcome == Outcome::Generated || outcome == Outcome::Regenerated; }
    // The information after success, the question for NeedsConfirmation, the
    // warning otherwise.
    QString message() const;
};

// The question asked before a month that has rows is generated again, with
// the number of its collected rows that will stay.
QString regenerateQuestion(int collectedRows = 0);

// The month count as typed in the dialog's one-character edit: a digit 0-9.
std::optional<int> parseMonthCount(const QString& text);

// Throws data::Error when the database fails or a FeeSet value does not fit
// its Fee column; nothing is changed then.
GenerationResult GenerateReceivables(data::Connection& c, const GenerationRequest& request);

}  // namespace fees
