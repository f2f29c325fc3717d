// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gray/grayCycle.h"

// The cut of a lesson's count n, which the test knows to be even and 4..64.
inline const TGrayCycle& cycleOf(int n) { return TGrayCycle::of(*TCodeCount::of(n)); }
