#pragma once
// Today's date and the time of day, behind an interface so that tests can fix them.

#include <QDate>
#include <QDateTime>
#include <QTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QTime now() const override { return QTime::currentTime(); }
};
