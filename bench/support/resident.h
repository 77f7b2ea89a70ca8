#pragma once

#include <QtGlobal>

namespace bench_support {

// A process's resident size in kB as the kernel counts it (VmRSS); this process's when no id is
// given. 0 when it cannot be read.
long resident_kb(qint64 pid = 0);

}  // namespace bench_support
