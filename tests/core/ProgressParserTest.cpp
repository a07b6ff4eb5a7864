#include "core/DownloadProgressParser.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Each report as "fraction message".
struct Recorder
{
    QStringList reports;
    DownloadProgressParser parser{
        [this](double f, const QString &m) { reports << QString::number(f) + u' ' + m; }};
};

TEST(DownloadProgressParser, LinesGiveFractionsMessagesAndTheDestination)
{
    const std::tuple<const char *, QStringList, QString> cases[] = {
        {" \t[download]  45.3% of 76.06KiB at 25.11MiB/s ETA 00:00\t ",
         {u"0.453 [download]  45.3% of 76.06KiB at 25.11MiB/s ETA 00:00"_s}, {}},
        // Only the first piece ending in "%" counts; out of range is clamped; numbers
        // that are no percentage give nothing.
        {"[download] 10% then 50%\n[download] abc% then 50%", {u"0.1 [download] 10% then 50%"_s}, {}},
        {"[download] 250% of 1MiB\n[download] -5%", {u"1 [download] 250% of 1MiB"_s, u"0 [download] -5%"_s}, {}},
        {"[download] nan% of 1MiB\n[download] 1e400%\n[info] 45% of something", {}, {}},
        {"[ExtractAudio] Destination: /m/T.m4a\nDeleting original file /m/T.webm (pass -k to keep)",
         {u"0.95 Converting audio..."_s, u"0.95 Converting audio..."_s}, {}},
        // Carriage returns end lines too; the last line counts without an end.
        {"[download] 10.0% of 1MiB\r[download] 20.0%\r\n",
         {u"0.1 [download] 10.0% of 1MiB"_s, u"0.2 [download] 20.0%"_s}, {}},
        {"[download] Destination: /d/a.mp4\n[download] Destination: /d/\u0645 \"B\" 100%.mp4", {},
         u"/d/\u0645 \"B\" 100%.mp4"_s}};
    for (const auto &[stream, reports, destination] : cases) {
        SCOPED_TRACE(stream);
        Recorder r;
        r.parser.feed(QByteArray(stream));
        r.parser.finish();
        EXPECT_EQ(r.reports, reports);
        EXPECT_EQ(r.parser.destination().value_or(QString()), destination);
    }
}

TEST(DownloadProgressParser, LinesCutAnywhereAreJoinedAndBadLinesAreDropped)
{
    const QByteArray line = "[download]  45.3% of 1.00MiB at 2.00MiB/s ETA 00:00\n";
    for (qsizetype cut = 0; cut <= line.size(); ++cut) {
        Recorder r;
        r.parser.feed(QByteArrayView(line).first(cut));
        r.parser.feed(QByteArrayView(line).sliced(cut));
        EXPECT_EQ(r.reports, QStringList{u"0.453 "_s + QString::fromLatin1(line.trimmed())}) << cut;
    }
    Recorder r;
    r.parser.feed("[download] \xff\xfe 30% broken\n");
    r.parser.feed(QByteArray(DownloadProgressParser::maxLineBytes + 10, 'x'));
    r.parser.feed("[download] 99% of this overlong line\n[download] 12% of it\n");
    EXPECT_EQ(r.reports, QStringList{u"0.12 [download] 12% of it"_s});
}

} // namespace
