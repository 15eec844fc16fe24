#pragma once
// Small helpers shared by the owner window's files.

#include "platform/data/DataSet.h"
#include "platform/data/Field.h"

namespace man {

// The key of a lookup list's entry as text ("" for none).
inline QString keyText(const QVariant& v)
{
    return data::variantToText(v);
}

}  // namespace man
