#pragma once

#include "common/clock.h"

class FixedClock final : public Clock {
public:
    QDate day{2026, 3, 14};
    QTime time{9, 5, 0};
    QDate today() const override { return day; }
    QTime now() const override { return time; }
};
