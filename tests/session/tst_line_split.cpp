// Cutting engine output into lines: the pieces both session kinds rely on.
#include "session/line_split.h"

#include <QTest>

class LineSplitTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsLineEndsAndRemainder()
    {
        QCOMPARE(orvi::splitKeepingLineEnds(QStringLiteral("a\nb\r\n\nrest")),
                 QStringList({"a\n", "b\r\n", "\n", "rest"}));
        QCOMPARE(orvi::splitKeepingLineEnds(QString()), QStringList());
    }

    void completeLinesLeaveTheFragment()
    {
        QByteArray pending;
        QCOMPARE(orvi::takeCompleteLines(pending, "one\ntw"), QStringList{"one\n"});
        QCOMPARE(pending, QByteArray("tw"));
        QCOMPARE(orvi::takeCompleteLines(pending, "o\nthree\nfo"), QStringList({"two\n", "three\n"}));
        QCOMPARE(pending, QByteArray("fo"));
        // A multi-byte character cut between two reads is decoded whole.
        pending = QByteArray("\xe6\x89");
        QCOMPARE(orvi::takeCompleteLines(pending, "\x93\n"), QStringList{QStringLiteral("打\n")});
    }

    // 32 MiB without a line feed in 2 KiB reads: searching the whole fragment
    // on every read takes minutes and hits the test's time limit.
    void longFragmentInManyReads()
    {
        const QByteArray piece(2048, 'x');
        QByteArray pending;
        for (int read = 0; read < 16384; ++read)
            QVERIFY(orvi::takeCompleteLines(pending, piece).isEmpty());
        const QStringList lines = orvi::takeCompleteLines(pending, "\nnext");
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().size(), 16384 * piece.size() + 1);
        QCOMPARE(pending, QByteArray("next"));
    }

    void chunkPassesLongFragmentOn()
    {
        std::string pending = "a\nb\npart";
        QCOMPARE(orvi::takeOutputChunk(pending, 65536), std::string("a\nb\n"));
        QCOMPARE(pending, std::string("part"));
        pending = std::string(65536, 'x');
        QVERIFY(orvi::takeOutputChunk(pending, 65536).empty());
        pending += "yz";
        QCOMPARE(orvi::takeOutputChunk(pending, 65536).size(), std::size_t(65538));
        QVERIFY(pending.empty());
    }
};

QTEST_GUILESS_MAIN(LineSplitTest)
#include "tst_line_split.moc"
