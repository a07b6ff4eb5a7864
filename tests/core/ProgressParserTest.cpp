#include "core/DownloadProgressParser.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Report
{
    double fraction;
    QString message;
    friend bool operator==(const Report &a, const Report &b)
    {
        return std::abs(a.fraction - b.fraction) < 1e-12 && a.message == b.message;
    }
};

void PrintTo(const Report &r, std::ostream *os)
{
    *os << "(" << r.fraction << ", \"" << r.message.toStdString() << "\")";
}

struct Recorder
{
    std::vector<Report> reports;
    DownloadProgressParser parser{[this](double f, const QString &m) { reports.push_back({f, m}); }};
};

struct LineCase
{
    const char *stream; // fed in one piece, then the parser is finished
    std::vector<Report> reports;
    std::optional<const char *> destination;
};

class ProgressLine : public testing::TestWithParam<LineCase>
{
};

TEST_P(ProgressLine, Rules)
{
    const LineCase &c = GetParam();
    Recorder r;
    r.parser.feed(QByteArray(c.stream));
    r.parser.finish();
    EXPECT_EQ(r.reports, c.reports);
    if (c.destination)
        EXPECT_EQ(r.parser.destination(), QString::fromUtf8(*c.destination));
    else
        EXPECT_FALSE(r.parser.destination());
}

INSTANTIATE_TEST_SUITE_P(
    DownloadProgressParser, ProgressLine,
    testing::Values(
        LineCase{"[download]  45.3% of   76.06KiB at   25.11MiB/s ETA 00:00",
                 {{0.453, u"[download]  45.3% of   76.06KiB at   25.11MiB/s ETA 00:00"_s}}, {}},
        LineCase{" \t[download] 100% of 76.06KiB in 00:00:00 at 17.45MiB/s\t ",
                 {{1.0, u"[download] 100% of 76.06KiB in 00:00:00 at 17.45MiB/s"_s}}, {}},
        // Only the first piece ending in "%" counts, readable or not.
        LineCase{"[download] abc% then 50%", {}, {}},
        LineCase{"[download] 10% then 50%", {{0.1, u"[download] 10% then 50%"_s}}, {}},
        // Numbers that are no percentage: never NaN or infinite fractions.
        LineCase{"[download] nan% of 1MiB", {}, {}},
        LineCase{"[download] inf% of 1MiB", {}, {}},
        LineCase{"[download] 1e400% of 1MiB", {}, {}},
        LineCase{"[download] 250% of 1MiB", {{1.0, u"[download] 250% of 1MiB"_s}}, {}},
        LineCase{"[download] -5% of 1MiB", {{0.0, u"[download] -5% of 1MiB"_s}}, {}},
        LineCase{"[info] 45% of something", {}, {}},
        LineCase{"[download] Destination: /music/A \"B\" / C.webm", {},
                 "/music/A \"B\" / C.webm"},
        LineCase{"[download] Destination: /v/\u0645\u0631\u062d\u0628\u0627 100%.mp4",
                 {}, "/v/\u0645\u0631\u062d\u0628\u0627 100%.mp4"},
        LineCase{"[ExtractAudio] Destination: /music/T.m4a", {{0.95, u"Converting audio..."_s}},
                 {}},
        LineCase{"Deleting original file /music/T.webm (pass -k to keep)",
                 {{0.95, u"Converting audio..."_s}}, {}},
        // Carriage returns end lines too; the last line counts without an end.
        LineCase{"[download]  10.0% of 1MiB\r[download]  20.0% of 1MiB\r\n",
                 {{0.1, u"[download]  10.0% of 1MiB"_s}, {0.2, u"[download]  20.0% of 1MiB"_s}},
                 {}},
        LineCase{"[download] Destination: /d/a.mp4\n[download] Destination: /d/b.mp4", {},
                 "/d/b.mp4"}));

TEST(DownloadProgressParser, LineCutAnywhereBetweenReadsIsJoined)
{
    const QByteArray line = "[download]  45.3% of 1.00MiB at 2.00MiB/s ETA 00:00\n";
    for (qsizetype cut = 0; cut <= line.size(); ++cut) {
        Recorder r;
        r.parser.feed(QByteArrayView(line).first(cut));
        r.parser.feed(QByteArrayView(line).sliced(cut));
        ASSERT_EQ(r.reports.size(), 1u) << "cut at " << cut;
        EXPECT_DOUBLE_EQ(r.reports[0].fraction, 0.453);
    }
}

TEST(DownloadProgressParser, BadLinesAreDroppedAndTheNextOnesStillCount)
{
    Recorder r;
    r.parser.feed("[download] \xff\xfe 30% broken\n");
    r.parser.feed(QByteArray(DownloadProgressParser::maxLineBytes + 10, 'x'));
    r.parser.feed("[download] 99% of this overlong line\n");
    r.parser.feed("[download] 12% of it\n[download] Destination: /d/x.mp4\n");
    ASSERT_EQ(r.reports.size(), 1u);
    EXPECT_DOUBLE_EQ(r.reports[0].fraction, 0.12);
    EXPECT_EQ(r.parser.destination(), u"/d/x.mp4"_s);
}

} // namespace
