#include "platform/report/OutputSeam.h"

namespace report {

namespace {
OutputSeam& current()
{
    static OutputSeam seam;
    return seam;
}
}  // namespace

const OutputSeam& outputSeam()
{
    return current();
}

ScopedOutputSeam::ScopedOutputSeam(OutputSeam seam) : m_previous(std::move(current()))
{
    current() = std::move(seam);
}

ScopedOutputSeam::~ScopedOutputSeam()
{
    current() = std::move(m_previous);
}

}  // namespace report
