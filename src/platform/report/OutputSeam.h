#pragma once
// The seam between the report system and the person and printer it talks to.
//
// Each member, when set, stands in for a dialog or a device: tests answer the
// set-up dialog, look at what the preview would show and collect what the
// printer would receive, without a window waiting for a click. Members left
// empty use the real dialogs and printers.

#include "platform/report/DisplayList.h"
#include "platform/report/SetupChoice.h"

#include <QString>
#include <functional>

namespace report {

struct OutputSeam {
    // Answers the set-up dialog " 打印设置"; gets the choice it would propose.
    std::function<SetupChoice(const SetupChoice& proposed)> setup;
    // Stands for the preview window " 打印预览"; answers true when it asked
    // for the shown pages to be printed.
    std::function<bool(const Document& doc)> preview;
    // Stands for the printer; answers true when it took the pages.
    std::function<bool(const Document& doc, const SetupChoice& choice)> printer;
    // Stands for the warning box of a failed output.
    std::function<void(const QString& text)> warning;
};

// The seam in force; empty members mean the real thing.
const OutputSeam& outputSeam();

// Puts a seam in force for its lifetime and restores the previous one after.
class ScopedOutputSeam {
public:
    explicit ScopedOutputSeam(OutputSeam seam);
    ~ScopedOutputSeam();
    ScopedOutputSeam(const ScopedOutputSeam&) = delete;
    ScopedOutputSeam& operator=(const ScopedOutputSeam&) = delete;

private:
    OutputSeam m_previous;
};

}  // namespace report
