#pragma once

#include <QHashFunctions>
#include <QMetaType>
#include <QString>
#include <QUuid>

// One chapter mark inside a media file. Times are seconds from the start of the file.
struct Chapter
{
    QUuid id = QUuid::createUuid();
    QString title;
    double startTime = 0;
    double endTime = 0;
    qint64 index = 0;

    Chapter() = default;
    Chapter(QString title_, double start, double end, qint64 index_)
        : title(std::move(title_)), startTime(start), endTime(end), index(index_)
    {
    }

    // "m:ss" / "h:mm:ss" texts of the start and of the length.
    QString formattedStartTime() const;
    QString formattedLength() const;

    friend bool operator==(const Chapter &a, const Chapter &b)
    {
        return a.id == b.id && a.title == b.title && a.startTime == b.startTime
               && a.endTime == b.endTime && a.index == b.index;
    }
    // By start time, then by index.
    friend bool operator<(const Chapter &a, const Chapter &b)
    {
        if (a.startTime < b.startTime)
            return true;
        if (b.startTime < a.startTime)
            return false;
        return a.index < b.index;
    }
    friend bool operator>(const Chapter &a, const Chapter &b) { return b < a; }
    friend bool operator<=(const Chapter &a, const Chapter &b) { return !(b < a); }
    friend bool operator>=(const Chapter &a, const Chapter &b) { return !(a < b); }
};

// Combines all five fields; -0.0 hashes like 0.0 so that equal chapters hash alike.
size_t qHash(const Chapter &chapter, size_t seed = 0) noexcept;

Q_DECLARE_METATYPE(Chapter)
